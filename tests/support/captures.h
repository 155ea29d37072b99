// SPDX-License-Identifier: MIT
// The receiver recordings beside the repository. Tests that need one skip
// with a clear message where the folder is absent, as on a fresh clone.
#pragma once

#include <optional>
#include <string>

namespace vx::test {

// The bytes of the named recording, or nothing if it is not there.
std::optional<std::string> loadCapture(const std::string& name);

std::string capturesDirectory();

}  // namespace vx::test

// Skips the current test when the recording is missing.
#define VX_LOAD_CAPTURE_OR_SKIP(variable, name)                                                   \
  const auto variable##_loaded = ::vx::test::loadCapture(name);                                   \
  if (!variable##_loaded) {                                                                       \
    GTEST_SKIP() << "recording " << name << " not found in " << ::vx::test::capturesDirectory()   \
                 << " (the receiver captures live in ../shared/captures beside the repository)";  \
  }                                                                                               \
  const std::string& variable = *variable##_loaded
