// SPDX-License-Identifier: MIT
// The control's properties and methods: defaults, conversions, the
// property-changed notification, late binding by name and by dispatch id.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <utility>

#include "control/dispatch.h"
#include "control/type_library.h"
#include "control/vxcomm.h"
#include "tests/support/error_expectations.h"
#include "tests/support/qt_printers.h"

namespace vx {
namespace {

using test::errorDescriptionOf;
using test::errorNumberOf;

void expectDefaultSettings(const vxcomm& control) {
  EXPECT_EQ(control.Latitude(), "42.4413");
  EXPECT_EQ(control.LatHemisphere(), "N");
  EXPECT_EQ(control.Longitude(), "71.2544");
  EXPECT_EQ(control.LongHemisphere(), "W");
  EXPECT_EQ(control.TimeZone(), 5);
  EXPECT_FALSE(control.SatellitesInView());
}

TEST(VxcommProperties, NewInstanceHasTheDefaultSettings) {
  vxcomm control;
  expectDefaultSettings(control);
  EXPECT_EQ(control.CommPort(), 1);
  EXPECT_EQ(control.PortOpen(), 0);
  EXPECT_FALSE(control.DTREnable());
  EXPECT_EQ(control.Idata(), "");
  EXPECT_FALSE(control.isVisible());
}

TEST(VxcommProperties, InitPropertiesRestoresTheDefaultsWithoutNotifying) {
  vxcomm control;
  control.setLatitude("1");
  control.setLatHemisphere("S");
  control.setLongitude("2");
  control.setLongHemisphere("E");
  control.setTimeZone(-1);
  control.setSatellitesInView(true);
  QSignalSpy changed(&control, &vxcomm::PropertyChanged);
  control.InitProperties();
  expectDefaultSettings(control);
  EXPECT_EQ(changed.count(), 0);
}

TEST(VxcommProperties, TextsAreStoredUnchangedAndLongitudeAsANumber) {
  vxcomm control;
  control.setLatitude("42.44130");
  EXPECT_EQ(control.Latitude(), "42.44130");
  control.setLatHemisphere("s");
  EXPECT_EQ(control.LatHemisphere(), "s");
  control.setLongitude("071.25000");
  EXPECT_EQ(control.Longitude(), "71.25");
  control.setLongitude(" -3 ");
  EXPECT_EQ(control.Longitude(), "-3");
}

TEST(VxcommProperties, LongitudeThatIsNotANumberFailsAndKeepsTheValue) {
  vxcomm control;
  QSignalSpy changed(&control, &vxcomm::PropertyChanged);
  EXPECT_EQ(errorNumberOf([&] { control.setLongitude("abc"); }), kTypeMismatch);
  EXPECT_EQ(errorNumberOf([&] { control.setProperty("Longitude", "12x"); }), kTypeMismatch);
  EXPECT_EQ(errorNumberOf([&] { control.setLongitude("1e999"); }), kOverflow);  // never an infinity
  EXPECT_EQ(control.Longitude(), "71.2544");
  EXPECT_EQ(changed.count(), 0);
}

TEST(VxcommProperties, EverySuccessfulWriteNamesItsProperty) {
  vxcomm control;
  QSignalSpy changed(&control, &vxcomm::PropertyChanged);
  control.setProperty("Latitude", "1");
  control.setProperty("LatHemisphere", "S");
  control.setProperty("Longitude", "2");
  control.setProperty("LongHemisphere", "E");
  control.setProperty("TimeZone", QVariant::fromValue<short>(-3));
  control.setProperty("SatellitesInView", true);
  control.setProperty("CommPort", QVariant::fromValue<short>(4));
  control.setProperty("DTREnable", true);
  control.setProperty("RTSEnable", true);
  control.setProperty("PortOpen", QVariant::fromValue<short>(0));
  QStringList names;
  for (const auto& call : changed) names << call.at(0).toString();
  EXPECT_EQ(names, QStringList({"Latitude", "LatHemisphere", "Longitude", "LongHemisphere", "TimeZone",
                                "SatellitesInView", "CommPort", "DTREnable", "RTSEnable", "PortOpen"}));
  EXPECT_EQ(control.property("TimeZone").toInt(), -3);
  EXPECT_EQ(control.property("CommPort").toInt(), 4);
  EXPECT_EQ(control.property("DTREnable").toBool(), true);
}

TEST(VxcommProperties, QueueMethodsAndIdataShareOneQueue) {
  vxcomm control;
  control.addmsg("A");
  QMetaObject::invokeMethod(&control, "addmsg", Q_ARG(QString, "B"));
  EXPECT_EQ(control.property("Idata").toString(), "A");
  EXPECT_EQ(control.getmsg(), "B");
  EXPECT_EQ(control.Idata(), "");
}

TEST(VxcommProperties, PortOpenWriteResetsTheQueueEvenWhenClosing) {
  vxcomm control;
  control.addmsg("waiting");
  control.setPortOpen(0);
  EXPECT_EQ(control.Idata(), "");
}

TEST(VxcommProperties, CodecMethodsAreCallableByName) {
  vxcomm control;
  double result = 0;
  ASSERT_TRUE(QMetaObject::invokeMethod(&control, "cvi", Q_RETURN_ARG(double, result),
                                        Q_ARG(QByteArray, QByteArray("\xFF\xFF", 2))));
  EXPECT_EQ(result, -1);
  EXPECT_EQ(control.crad(180), 3.1415926535);
  EXPECT_EQ(errorNumberOf([&] { control.cvdi(QByteArray("abc")); }), kInvalidProcedureCall);
}

// Every member of the type library is there on the control as a host
// reaches it by name: none answers "not supported" (a call with too many
// arguments is refused for its count or its access, and does nothing), and
// a property takes a value where the library says it does.
TEST(TypeLibrary, EveryMemberIsOnTheControlWithItsAccess) {
  vxcomm control;
  const QMetaObject& meta = *control.metaObject();
  for (const auto& member : typelib::members()) {
    const std::string name(member.name);
    const bool method = member.kind == typelib::MemberKind::kMethod;
    const auto tooMany = [&] {
      invoke(control, dispatchIdOf(name), method ? DispatchKind::kMethod : DispatchKind::kPropertyPut, {1, 2});
    };
    EXPECT_NE(errorNumberOf(tooMany), kNotSupported) << name;
    if (!method) {
      EXPECT_EQ(meta.property(meta.indexOfProperty(name.c_str())).isWritable(), (member.access & typelib::kWrite) != 0)
          << name;
    }
  }
  EXPECT_STREQ(meta.classInfo(meta.indexOfClassInfo("ProgId")).value(), "vx.vxcomm");
  EXPECT_GE(meta.indexOfSignal("OnComm()"), 0);
}

TEST(Dispatch, PropertiesAndMethodsByDispatchIdConvertAsTheRuntimeDoes) {
  vxcomm control;
  EXPECT_EQ(invoke(control, 0x68030004, DispatchKind::kPropertyGet).toString(), "42.4413");
  invoke(control, 0x68030000, DispatchKind::kPropertyPut, {"-9.5"});  // TimeZone, halves to even
  EXPECT_EQ(control.TimeZone(), -10);
  invoke(control, 0x68030000, DispatchKind::kPropertyPut, {10.5});
  EXPECT_EQ(control.TimeZone(), 10);
  invoke(control, 0x68030003, DispatchKind::kPropertyPut, {71.5});  // Longitude from a number
  EXPECT_EQ(control.Longitude(), "71.5");
  invoke(control, dispatchIdOf("satellitesinview"), DispatchKind::kPropertyPut, {"True"});
  EXPECT_TRUE(control.SatellitesInView());
  invoke(control, 0x6003000C, DispatchKind::kMethod, {"sentence"});  // addmsg
  EXPECT_EQ(invoke(control, 0x68030009, DispatchKind::kPropertyGet).toString(), "sentence");  // Idata
  EXPECT_EQ(invoke(control, 0x60030013, DispatchKind::kMethod, {"180"}).toDouble(), 3.1415926535);  // crad
  EXPECT_EQ(invoke(control, 0x60030012, DispatchKind::kMethod, {QByteArray("\x34\x12")}).toDouble(), 4660);
}

TEST(Dispatch, FailuresCarryTheRuntimesNumbers) {
  vxcomm control;
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x68030000, DispatchKind::kPropertyPut, {40000}); }), kOverflow);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x68030000, DispatchKind::kPropertyPut, {"five"}); }), kTypeMismatch);
  EXPECT_EQ(control.TimeZone(), 5);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x777, DispatchKind::kMethod); }), 438);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x6803000B, DispatchKind::kPropertyPut, {1}); }), 383);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x6803000A, DispatchKind::kPropertyGet); }), 394);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x60030011, DispatchKind::kMethod, {}); }), 450);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x60030011, DispatchKind::kMethod, {"x"}); }), kInvalidProcedureCall);
  EXPECT_EQ(errorNumberOf([&] { invoke(control, 0x68030008, DispatchKind::kPropertyPut, {0}); }), kPortNumberInvalid);
  // The runtime's own texts, as hosts show them.
  const std::pair<std::function<void()>, const char*> described[] = {
      {[&] { invoke(control, 0x777, DispatchKind::kMethod); }, "Object doesn't support this property or method"},
      {[] { dispatchIdOf("Altitude"); }, "Object doesn't support this property or method"},
      {[&] { invoke(control, 0x6803000B, DispatchKind::kPropertyPut, {1}); }, "Property is read-only"},
      {[&] { invoke(control, 0x6803000A, DispatchKind::kPropertyGet); }, "Property is write-only"},
      {[&] { invoke(control, 0x60030011, DispatchKind::kMethod, {}); },
       "Wrong number of arguments or invalid property assignment"},
      {[&] { invoke(control, 0x68030000, DispatchKind::kPropertyPut, {1, 2}); },
       "Wrong number of arguments or invalid property assignment"},
  };
  for (const auto& [call, description] : described) EXPECT_EQ(errorDescriptionOf(call), description);
}

}  // namespace
}  // namespace vx
