// SPDX-License-Identifier: MIT
// Runs one of the project's programs as a user would, and collects its exit
// code and what it printed.
#pragma once

#include <string>
#include <vector>

namespace vx::test {

struct ProgramResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// A program started in the background, for tests that talk to it meanwhile.
class RunningProgram {
 public:
  RunningProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input = {});
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  void signal(int number);
  // Waits for the exit; a program still running after `timeoutSeconds` is
  // killed (exitCode -1).
  ProgramResult wait(int timeoutSeconds = 60);
  // What it has printed on standard error so far.
  std::string errorsSoFar() const;

 private:
  int pid_ = -1;
  std::string in_, out_, err_;
};

// Runs `program` with `args`, feeding it `input` on standard input.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {}, int timeoutSeconds = 60);

}  // namespace vx::test
