// SPDX-License-Identifier: MIT
// libFuzzer entry for the receive path: the first byte chooses the read
// size and the starting mode, the rest is the serial input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "control/core/receiver_link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = (data[0] & 0x7F) + 1;
  vx::ReceiverLink link([] { return vx::DateTime{2028, 2, 28, 23, 0, 0}; }, [](std::string_view) {});
  if (data[0] & 0x80) link.assumeAwake();
  const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  for (std::size_t at = 0; at < input.size(); at += chunk) {
    link.receive(input.substr(at, chunk), [&link] {
      link.getmsg();
      return true;
    });
    if (link.bufferedBytes() > vx::ReceiverLink::kLargestBuffer) std::abort();
  }
  return 0;
}
