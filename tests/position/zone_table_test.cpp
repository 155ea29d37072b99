// SPDX-License-Identifier: MIT
// Time zones' reference points from tzdata's tables, and the order of the
// sources of a position with nothing typed.
#include "position/zone_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "position/known_position.h"
#include "position/zone_files.h"

namespace vx {
namespace {

constexpr std::string_view kZoneTab =
    "# tzdb timezone descriptions\n"
    "#country-\n"
    "NL\t+5222+00454\tEurope/Amsterdam\n"
    "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
    "AU\t-3352+15113\tAustralia/Sydney\tNew South Wales (most areas)\r\n"
    "XX\t+9999+00000\tBad/Minutes\n";

TEST(ZoneTable, ReadsTwoAndThreePartCoordinates) {
  struct Case {
    const char* zone;
    double latitude, longitude;
  };
  const Case cases[] = {
      {"Europe/Amsterdam", 52 + 22 / 60.0, 4 + 54 / 60.0},
      {"America/New_York", 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 0 / 60.0 + 23 / 3600.0)},
      {"Australia/Sydney", -(33 + 52 / 60.0), 151 + 13 / 60.0},  // a CR LF line too
  };
  for (const Case& c : cases) {
    const auto point = zonePoint(kZoneTab, c.zone);
    ASSERT_TRUE(point) << c.zone;
    EXPECT_NEAR(point->latitude, c.latitude, 1e-9) << c.zone;
    EXPECT_NEAR(point->longitude, c.longitude, 1e-9) << c.zone;
  }
}

TEST(ZoneTable, FindsNothingForAZoneItDoesNotNameOrCannotRead) {
  for (const char* zone : {"Etc/UTC", "Europe/Amster", "", "Bad/Minutes", "#country-"}) {
    EXPECT_FALSE(zonePoint(kZoneTab, zone)) << zone;
  }
  for (const char* text : {"+5222", "5222+00454", "+522+00454", "+5222+0045", "+5260+00454", "+5222+00454x",
                           "+9100+00000", "+4042510-0740023"}) {
    EXPECT_FALSE(parseIso6709(text)) << text;
  }
}

TEST(ZoneTable, FollowsLinksToTheirZone) {
  constexpr std::string_view kLinks =
      "Z America/New_York -4:56:2 - LMT 1883 N 18 17u\n"
      "L America/New_York US/Eastern\n"
      "L US/Eastern Old/Chain\n"
      "L Loop/B Loop/A\nL Loop/A Loop/B\n";
  EXPECT_EQ(canonicalZone(kLinks, "US/Eastern"), "America/New_York");
  EXPECT_EQ(canonicalZone(kLinks, "Old/Chain"), "America/New_York");
  EXPECT_EQ(canonicalZone(kLinks, "Europe/Amsterdam"), "Europe/Amsterdam");
  EXPECT_FALSE(canonicalZone(kLinks, "Loop/A").empty());  // ends, whatever it gives
}

// The files themselves: $TZDIR's tzdata.zi for links, zone.tab, then zone1970.tab.
TEST(ZoneFiles, ReadsLinksThenZoneTabThenZone1970Tab) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zones-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "tzdata.zi") << "L America/New_York US/Eastern\n";
  std::ofstream(folder / "zone.tab") << "US\t+404251-0740023\tAmerica/New_York\n";
  std::ofstream(folder / "zone1970.tab") << "NL,BE\t+5050+00420\tEurope/Brussels\n";
  ::setenv("TZDIR", folder.c_str(), 1);
  const auto eastern = zoneReference("US/Eastern");
  const auto brussels = zoneReference("Europe/Brussels");
  const auto utc = zoneReference("Etc/UTC");
  ::unsetenv("TZDIR");
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(eastern);
  EXPECT_EQ(eastern->zone, "America/New_York");
  EXPECT_EQ(describe(eastern->point), "40.7142 N 74.0064 W");
  ASSERT_TRUE(brussels);
  EXPECT_EQ(describe(brussels->point), "50.8333 N 4.3333 E");
  EXPECT_FALSE(utc);
}

// Tables that are no files (a pipe, a device) are passed over at once, unread.
TEST(ZoneFiles, TablesThatAreNoFilesAreNotRead) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("zones-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  ::mkfifo((folder / "tzdata.zi").c_str(), 0600);
  std::filesystem::create_symlink("/dev/zero", folder / "zone.tab");
  std::ofstream(folder / "zone1970.tab") << "NL,BE\t+5050+00420\tEurope/Brussels\n";
  ::setenv("TZDIR", folder.c_str(), 1);
  const auto brussels = zoneReference("Europe/Brussels");
  ::unsetenv("TZDIR");
  std::filesystem::remove_all(folder);
  ASSERT_TRUE(brussels);
  EXPECT_EQ(describe(brussels->point), "50.8333 N 4.3333 E");
}

TEST(KnownPosition, TheFirstSourceThatHasOneWins) {
  const KnownPosition given{{52.37, 4.9}, "given"}, last{{52.06, 5.14}, "last fix"}, zone{{52.37, 4.9}, "zone"};
  const KnownPosition offEarth{{95, 0}, "off the Earth"};
  const auto is = [](std::optional<KnownPosition> position) -> PositionSource { return [=] { return position; }; };
  const PositionSource none = is(std::nullopt);
  const PositionSource neverAsked = []() -> std::optional<KnownPosition> {
    ADD_FAILURE() << "asked after a source that had a position";
    return {};
  };
  EXPECT_EQ(firstKnown({is(given), neverAsked, neverAsked})->origin, "given");
  EXPECT_EQ(firstKnown({none, is(last), neverAsked})->origin, "last fix");
  EXPECT_EQ(firstKnown({none, none, is(zone)})->origin, "zone");
  EXPECT_EQ(firstKnown({is(offEarth), none, is(zone)})->origin, "zone");
  EXPECT_FALSE(firstKnown({none, none, none}));
}

}  // namespace
}  // namespace vx
