// SPDX-License-Identifier: MIT
// The stored settings through both property bags.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "control/property_bag.h"
#include "control/vxcomm.h"
#include "tests/support/error_expectations.h"

namespace vx {
namespace {

// Records the order of reads and writes and answers from a map.
class RecordingBag : public MemoryPropertyBag {
 public:
  QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override {
    calls << "read " + name + " " + defaultValue.toString();
    return MemoryPropertyBag::ReadProperty(name, defaultValue);
  }
  void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override {
    calls << "write " + name + " " + defaultValue.toString();
    MemoryPropertyBag::WriteProperty(name, value, defaultValue);
  }
  QStringList calls;
};

void configure(vxcomm& control) {
  control.setLatitude("33.9");
  control.setLatHemisphere("S");
  control.setLongitude("151.2");
  control.setLongHemisphere("E");
  control.setTimeZone(-10);
  control.setSatellitesInView(true);
}

TEST(Persistence, ReadsAndWritesInOrderWithTheirDefaults) {
  vxcomm control;
  RecordingBag bag;
  control.WriteProperties(bag);
  control.ReadProperties(bag);
  EXPECT_EQ(bag.calls, QStringList({"write Latitude 42.4413", "write LatHemisphere N", "write Longitude 71.2544",
                                    "write LongHemisphere W", "write TimeZone 5", "write SatellitesInView false",
                                    "read Latitude 42.4413", "read LatHemisphere N", "read Longitude 71.2544",
                                    "read LongHemisphere W", "read TimeZone 5", "read SatellitesInView false"}));
  EXPECT_TRUE(bag.values().isEmpty());  // defaults are not stored
}

TEST(Persistence, RoundTripThroughMemory) {
  MemoryPropertyBag bag;
  {
    vxcomm placed;
    configure(placed);
    placed.WriteProperties(bag);
  }
  vxcomm restored;
  restored.ReadProperties(bag);
  EXPECT_EQ(restored.Latitude(), "33.9");
  EXPECT_EQ(restored.LatHemisphere(), "S");
  EXPECT_EQ(restored.Longitude(), "151.2");
  EXPECT_EQ(restored.LongHemisphere(), "E");
  EXPECT_EQ(restored.TimeZone(), -10);
}

TEST(Persistence, RoundTripThroughAnIniFileAndDefaultsForWhatItLacks) {
  QTemporaryDir folder;
  const QString file = folder.path() + "/host.ini";
  {
    vxcomm placed;
    configure(placed);
    placed.setLatHemisphere("N");  // a default: not written
    IniPropertyBag bag(file, "vxcomm1");
    placed.WriteProperties(bag);
    ASSERT_TRUE(bag.sync());
  }
  IniPropertyBag bag(file, "vxcomm1");
  vxcomm restored;
  restored.setLatHemisphere("changed");
  restored.ReadProperties(bag);
  EXPECT_EQ(restored.Latitude(), "33.9");
  EXPECT_EQ(restored.LatHemisphere(), "N");
  EXPECT_EQ(restored.Longitude(), "151.2");
  EXPECT_EQ(restored.TimeZone(), -10);
  EXPECT_TRUE(restored.SatellitesInView());
  IniPropertyBag other(file, "vxcomm2");
  vxcomm fresh;
  fresh.ReadProperties(other);
  EXPECT_EQ(fresh.Latitude(), "42.4413");
  EXPECT_EQ(fresh.TimeZone(), 5);
  EXPECT_FALSE(fresh.SatellitesInView());
}

// A bag with one bad value fails whole: every setting stays as it was.
TEST(Persistence, StoredValuesThatDoNotConvertFailWithTheRuntimesNumbersAndChangeNothing) {
  const std::pair<const char*, QVariant> bad[] = {{"TimeZone", "a lot"}, {"TimeZone", 99999}, {"Longitude", "1e999"}};
  for (const auto& [name, value] : bad) {
    MemoryPropertyBag bag;
    bag.WriteProperty("Latitude", "10", "");
    bag.WriteProperty(name, value, "");
    vxcomm control;
    configure(control);
    const int number = test::errorNumberOf([&] { control.ReadProperties(bag); });
    EXPECT_EQ(number, value.toString() == "a lot" ? kTypeMismatch : kOverflow) << name;
    EXPECT_EQ(control.Latitude(), "33.9") << name;
    EXPECT_EQ(control.Longitude(), "151.2") << name;
  }
}

}  // namespace
}  // namespace vx
