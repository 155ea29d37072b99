// SPDX-License-Identifier: MIT
#include "tests/support/captures.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vx::test {

std::string capturesDirectory() {
  if (const char* overridden = std::getenv("KESTRUNE_CAPTURES_DIR")) return overridden;
  return KESTRUNE_CAPTURES_DIR;
}

std::optional<std::string> loadCapture(const std::string& name) {
  std::ifstream file(capturesDirectory() + "/" + name, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return std::move(bytes).str();
}

}  // namespace vx::test
