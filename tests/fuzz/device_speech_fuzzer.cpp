// SPDX-License-Identifier: MIT
// libFuzzer entry for what a device says while vxinit listens: the first
// byte chooses the read size, the rest is the line's bytes. A verdict once
// given stays.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/vxinit/device_speech.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = data[0] + 1;
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  vx::SpeechListener listener;
  vx::Speech first = vx::Speech::kUndecided;
  for (std::size_t at = 0; at < input.size(); at += chunk) {
    const vx::Speech verdict = listener.hear(input.substr(at, chunk));
    if (first == vx::Speech::kUndecided) first = verdict;
    if (verdict != first) std::abort();
  }
  vx::describe(listener.verdict());
  return 0;
}
