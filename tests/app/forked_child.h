// SPDX-License-Identifier: MIT
// Cases that must run in a process of their own: as an unprivileged user
// (the suite runs as root in CI, and root reads every file), or in a
// private mount namespace with a small file system of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kestrune::test {

// The exit status of a child that could not set up what the case needs.
inline constexpr int kChildCannotSetUp = 77;

// Runs `body` in a forked child and returns its exit status: 0 when every
// expectation there held, 1 when one failed (reported as it failed),
// kChildCannotSetUp when `body` called cannotSetUp().
int runInChild(const std::function<void()>& body);

// In a child: gives `folder` (and what it holds) to the user nobody and
// becomes nobody, when running as root; an unprivileged user stays itself.
void becomeUnprivileged(const std::string& folder);

// In a child: mounts a tmpfs of `bytes` bytes over `folder`, in a mount
// namespace of the child's own (a user namespace too when unprivileged).
void mountSmallFileSystem(const std::string& folder, std::size_t bytes);

// Runs `body` in a forked child whose system calls the kernel reports
// (ptrace), and returns what it made durable, in order: the path of each
// file or folder synced (fsync, fdatasync) and "rename" for each rename.
// What a power cut leaves depends on that order. Nothing where the child
// cannot be traced here.
std::optional<std::vector<std::string>> syncsAndRenamesOf(const std::function<void()>& body);

// Ends the child with kChildCannotSetUp, saying why.
[[noreturn]] void cannotSetUp(const std::string& why);

}  // namespace kestrune::test
