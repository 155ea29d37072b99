// SPDX-License-Identifier: MIT
#include "tests/support/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace vx::test {
namespace {

std::string temporaryFile(const std::string& content) {
  char path[] = "/tmp/vxtest-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return {};
  if (!content.empty() && write(fd, content.data(), content.size()) < 0) std::perror("write");
  close(fd);
  return path;
}

std::string slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return std::move(text).str();
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& args,
                               const std::string& input)
    : in_(temporaryFile(input)), out_(temporaryFile({})), err_(temporaryFile({})) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in_.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_addopen(&actions, 2, err_.c_str(), O_WRONLY | O_TRUNC, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
}

RunningProgram::~RunningProgram() {
  if (pid_ > 0) wait(0);
  for (const auto& path : {in_, out_, err_}) std::remove(path.c_str());
}

void RunningProgram::signal(int number) {
  if (pid_ > 0) kill(pid_, number);
}

std::string RunningProgram::errorsSoFar() const {
  std::ifstream file(err_, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return std::move(text).str();
}

ProgramResult RunningProgram::wait(int timeoutSeconds) {
  ProgramResult result;
  if (pid_ <= 0) return result;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      status = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.out = slurp(out_);
  result.err = slurp(err_);
  return result;
}

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, int timeoutSeconds) {
  return RunningProgram(program, args, input).wait(timeoutSeconds);
}

}  // namespace vx::test
