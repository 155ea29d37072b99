// SPDX-License-Identifier: MIT
#include "tools/vxinit/position_choice.h"

#include <cstdio>

#include "position/computer_zone.h"
#include "tools/vxinit/last_fix.h"

namespace vx {
namespace {

std::optional<KnownPosition> lastFix(const std::string& stateFile) {
  if (stateFile.empty()) {
    const auto fix = settingsFileFix();
    if (!fix) return {};
    return KnownPosition{*fix, "the last fix in " + settingsFileShown()};
  }
  const StateFileRead read = readStateFile(stateFile);
  if (!read.problem.empty()) {
    std::fprintf(stderr, "vxinit: ignoring the state file %s: %s\n", stateFile.c_str(), read.problem.c_str());
  }
  if (!read.point) return {};
  return KnownPosition{*read.point, "the last fix in " + stateFile};
}

}  // namespace

std::optional<KnownPosition> choosePosition(const std::string& stateFile) {
  return firstKnown({[&] { return lastFix(stateFile); }, [] { return timeZonePosition(computerZoneName()); }});
}

std::string whyNoPosition(const std::string& stateFile) {
  const std::string zone = computerZoneName();
  return "none given, no last fix in " + (stateFile.empty() ? settingsFileShown() : stateFile) +
         ", and this computer's time zone (" + (zone.empty() ? "unnamed" : zone) + ") has no reference point";
}

}  // namespace vx
