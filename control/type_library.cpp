// SPDX-License-Identifier: MIT
#include "control/type_library.h"

#include "common/ascii_text.h"

#include <array>

namespace vx::typelib {
namespace {

constexpr MemberKind M = MemberKind::kMethod;
constexpr MemberKind P = MemberKind::kProperty;
constexpr std::string_view kData = "vxpp;Data";

constexpr std::array<Member, 23> kTable{{
    {"addmsg", 0x6003000C, M, kNone, "str", "Variant"},
    {"getmsg", 0x6003000D, M, kNone, "", "String"},
    {"cvdi", 0x6003000E, M, kNone, "mys", "Double"},
    {"cvti", 0x6003000F, M, kNone, "mys", "Double"},
    {"cvudi", 0x60030010, M, kNone, "mys", "Double"},
    {"cvi", 0x60030011, M, kNone, "mys", "Double"},
    {"cvui", 0x60030012, M, kNone, "mys", "Double"},
    {"crad", 0x60030013, M, kNone, "degree", "Double"},
    {"cdeg", 0x60030014, M, kNone, "rads", "Double"},
    {"cfeet", 0x60030015, M, kNone, "meters", "Double"},
    {"CommEvent", 0x6803000B, P, kRead, "", "Integer", true, true},
    {"Odata", 0x6803000A, P, kWrite, "item", "String", true},
    {"Idata", 0x68030009, P, kRead, "", "String", true},
    {"CommPort", 0x68030008, P, kReadWrite, "NewPort", "Integer", true},
    {"PortOpen", 0x68030007, P, kReadWrite, "OpenVal", "Integer", true},
    {"DTREnable", 0x68030006, P, kReadWrite, "Value", "Boolean", true},
    {"RTSEnable", 0x68030005, P, kReadWrite, "Value", "Boolean", true},
    {"Latitude", 0x68030004, P, kReadWrite, "Value", "String", false, false,
     "Sets the initial Latitude (format is degrees and fractions of a degree)", kData},
    {"Longitude", 0x68030003, P, kReadWrite, "Value", "String", false, false,
     "Set the inital Longitude (format is degrees and fractions of a degree)", kData},
    {"LatHemisphere", 0x68030002, P, kReadWrite, "Value", "String", false, false,
     "Sets the Hemisphere (Use N  for North and use S for South)", kData},
    {"LongHemisphere", 0x68030001, P, kReadWrite, "Value", "String", false, false,
     "Sets the Hemisphere (Use W  for west of GMT and use E  for east of GMT)", kData},
    {"TimeZone", 0x68030000, P, kReadWrite, "Value", "Integer", false, false,
     "Sets the inital TimeZone (use positive numbers for west of GMT)", kData},
    {"SatellitesInView", 0x68030016, P, kReadWrite, "Value", "Boolean", false, false,
     "Queues the satellites in view ($GPGSV) after each $GPGSA", kData},
}};

}  // namespace

std::span<const Member> members() { return kTable; }

const Member* findMember(int32_t dispatchId) {
  for (const Member& member : kTable) {
    if (member.dispatchId == dispatchId) return &member;
  }
  return nullptr;
}

const Member* findMember(std::string_view name) {
  for (const Member& member : kTable) {
    if (sameIgnoringAsciiCase(member.name, name)) return &member;
  }
  return nullptr;
}

}  // namespace vx::typelib
