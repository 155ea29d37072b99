// SPDX-License-Identifier: MIT
// The keys of the settings file's section "Settings", in the order the
// monitor screen's exit routine writes them.
#pragma once

namespace kestrune::key {

inline constexpr const char* kLat = "Lat";
inline constexpr const char* kLong = "Long";
inline constexpr const char* kLatHem = "LatHem";
inline constexpr const char* kLongHem = "LongHem";
inline constexpr const char* kTZ = "TZ";
inline constexpr const char* kComPort = "ComPort";
inline constexpr const char* kAutoExit = "AutoExit";

}  // namespace kestrune::key
