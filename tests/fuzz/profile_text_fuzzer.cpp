// SPDX-License-Identifier: MIT
// libFuzzer entry for the settings file's text: looked up and edited as
// the program does, the edited text read back with the value just set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/profile_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  kestrune::ProfileText profile(input);
  profile.value("Settings", "Lat");
  profile.set("Settings", "Lat", "52.062600");
  profile.set("Other", "Key", "value");
  if (kestrune::ProfileText(profile.text()).value("Settings", "Lat") != "52.062600") std::abort();
  return 0;
}
