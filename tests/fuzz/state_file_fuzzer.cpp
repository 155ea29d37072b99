// SPDX-License-Identifier: MIT
// libFuzzer entry for vxinit's state file: its text read as the last fix,
// which is a position in range or nothing, and written back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/vxinit/last_fix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto point = vx::parseStateFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!point) return 0;
  if (!vx::isOnEarth(*point)) std::abort();
  if (!vx::parseStateFile(vx::stateFileText(*point))) std::abort();
  return 0;
}
