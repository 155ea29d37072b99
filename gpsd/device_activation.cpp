// SPDX-License-Identifier: MIT
#include "gpsd/device_activation.h"

namespace vx {

std::optional<bool> deviceActivated(const nlohmann::json& device) {
  const auto activated = device.find("activated");
  if (activated == device.end()) return std::nullopt;
  if (activated->is_string()) return !activated->get_ref<const std::string&>().empty();
  if (activated->is_number()) return activated->get<double>() != 0;
  return std::nullopt;
}

}  // namespace vx
