// SPDX-License-Identifier: MIT
// Whether gpsd has a device open, as its DEVICE objects say it: in the
// reply to "?DEVICES;" and in the watch stream alike. Included only by the
// gpsd room's own readers of gpsd's JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>

namespace vx {

// gpsd writes "activated" as a time while the device is open; older
// releases wrote a number, 0 once closed. Nothing where the object leaves
// it out (a device list does for a closed device) or holds anything else.
std::optional<bool> deviceActivated(const nlohmann::json& device);

}  // namespace vx
