// SPDX-License-Identifier: MIT
#include "tests/app/forked_child.h"

#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace kestrune::test {
namespace {

void writeProcFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// What a traced child's system call at its entry makes durable; "" for anything else.
std::string durableStep(pid_t child, const __ptrace_syscall_info& call) {
  const auto number = static_cast<long>(call.entry.nr);
  if (number == SYS_fsync || number == SYS_fdatasync) {
    std::error_code error;
    const auto descriptor = "/proc/" + std::to_string(child) + "/fd/" + std::to_string(call.entry.args[0]);
    return std::filesystem::read_symlink(descriptor, error).string();
  }
#ifdef SYS_rename
  if (number == SYS_rename) return "rename";
#endif
  return number == SYS_renameat || number == SYS_renameat2 ? "rename" : "";
}

}  // namespace

int runInChild(const std::function<void()>& body) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);  // no destructor of the parent's objects runs here
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::optional<std::vector<std::string>> syncsAndRenamesOf(const std::function<void()>& body) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) ::_exit(kChildCannotSetUp);
    ::raise(SIGSTOP);  // till the parent traces its system calls
    body();
    ::_exit(0);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) return std::nullopt;
  ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  std::vector<std::string> steps;
  int signal = 0;  // one the child received, passed on
  while (::ptrace(PTRACE_SYSCALL, child, nullptr, signal) == 0 && ::waitpid(child, &status, 0) == child &&
         WIFSTOPPED(status)) {
    const bool atSystemCall = WSTOPSIG(status) == (SIGTRAP | 0x80);
    signal = atSystemCall ? 0 : WSTOPSIG(status);
    __ptrace_syscall_info call{};
    if (!atSystemCall || ::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof call, &call) <= 0 ||
        call.op != PTRACE_SYSCALL_INFO_ENTRY) {
      continue;
    }
    if (std::string step = durableStep(child, call); !step.empty()) steps.push_back(std::move(step));
  }
  return steps;
}

void becomeUnprivileged(const std::string& folder) {
  if (::geteuid() != 0) return;
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) cannotSetUp("there is no user nobody");
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    ::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid);
  }
  ::chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid);
  if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) {
    cannotSetUp(std::string("cannot become nobody: ") + std::strerror(errno));
  }
}

void mountSmallFileSystem(const std::string& folder, std::size_t bytes) {
  const uid_t user = ::geteuid();
  const gid_t group = ::getegid();
  if (user == 0 ? ::unshare(CLONE_NEWNS) != 0 : ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
    cannotSetUp(std::string("no private mount namespace here: ") + std::strerror(errno));
  }
  if (user != 0) {  // the same user inside, so the files stay the user's
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", std::to_string(user) + " " + std::to_string(user) + " 1");
    writeProcFile("/proc/self/gid_map", std::to_string(group) + " " + std::to_string(group) + " 1");
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + std::to_string(bytes) + ",mode=700").c_str()) != 0) {
    cannotSetUp(std::string("cannot mount a small file system: ") + std::strerror(errno));
  }
}

void cannotSetUp(const std::string& why) {
  std::printf("note: %s\n", why.c_str());
  std::fflush(stdout);
  ::_exit(kChildCannotSetUp);
}

}  // namespace kestrune::test
