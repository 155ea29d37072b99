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

// Runs `program` with `args`, feeding it `input` on standard input. A
// program still running after `timeoutSeconds` is killed (exitCode -1).
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {}, int timeoutSeconds = 60);

}  // namespace vx::test
