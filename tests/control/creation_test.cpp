// SPDX-License-Identifier: MIT
// Creating the control by its programmatic identifier or class id, as a
// host that does not link the library does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <memory>

#include "control/host/control_factory.h"
#include "control/host/control_loader.h"
#include "control/host/late_bound.h"
#include "control/type_library.h"
#include "control/vxcomm_interface.h"
#include "tests/support/error_expectations.h"

namespace vx {
namespace {

TEST(Creation, ByProgrammaticIdentifierAndByClassId) {
  for (const QString& id : {QString("vx.vxcomm"), QString("VX.VXCOMM"),
                           QString::fromLatin1(typelib::kVxcommClassId.data(), typelib::kVxcommClassId.size())}) {
    std::unique_ptr<QWidget> control(createControl(id));
    ASSERT_NE(control, nullptr) << id.toStdString();
    EXPECT_STREQ(control->metaObject()->className(), "vxcomm");
    EXPECT_EQ(control->property("Latitude").toString(), "42.4413");
    EXPECT_NE(qobject_cast<vx::_vxcomm*>(control.get()), nullptr);
  }
}

TEST(Creation, UnknownIdentifierIsError429NamingWhereItLooked) {
  const std::string description = test::errorDescriptionOf([] { createControl("vx.nothing"); });
  EXPECT_NE(description.find("cannot create \"vx.nothing\""), std::string::npos) << description;
  EXPECT_NE(description.find(KESTRUNE_PLUGIN_DIR "/vx"), std::string::npos) << description;
  EXPECT_EQ(test::errorNumberOf([] { createControl("vx.nothing"); }), kCannotCreateObject);
  // Beside the program first: a build tree or an installed prefix uses its own library.
  EXPECT_EQ(controlLibraryFolders().first(), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../plugins/vx"));
}

TEST(Creation, LateBoundHostsDriveTheControlByNameWithTheRuntimesConversions) {
  std::unique_ptr<QWidget> control(createControl("vx.vxcomm"));
  LateBound byName(control.get());
  byName.put("timezone", "-9.5");  // names without regard to case; text to a 16-bit integer, halves to even
  EXPECT_EQ(byName.get("TimeZone").toInt(), -10);
  byName.call("addmsg", {"$GPRMC,1"});
  EXPECT_EQ(byName.get("Idata").toString(), "$GPRMC,1");
  EXPECT_EQ(test::errorNumberOf([&] { byName.put("CommPort", "x"); }), kTypeMismatch);
  EXPECT_EQ(test::errorNumberOf([&] { byName.put("TimeZone", "40000"); }), kOverflow);
  EXPECT_EQ(test::errorNumberOf([&] { byName.get("Altitude"); }), kNotSupported);
  QObject plain;
  EXPECT_EQ(test::errorNumberOf([&] { LateBound{&plain}; }), kNotAutomationObject);
  control.reset();
  EXPECT_EQ(test::errorNumberOf([&] { byName.get("TimeZone"); }), kObjectNotSet);
}

TEST(Creation, PluginMetadataCarriesTheFixedIdentifiers) {
  QPluginLoader loader(KESTRUNE_PLUGIN_DIR "/vx/libvx.so");
  const QJsonObject data = loader.metaData().value("MetaData").toObject();
  EXPECT_EQ(data.value("Library").toObject().value("id").toString().toStdString(), typelib::kLibraryId);
  const QJsonObject control = data.value("Classes").toArray().at(0).toObject();
  EXPECT_EQ(control.value("progId").toString(), "vx.vxcomm");
  EXPECT_EQ(control.value("classId").toString().toStdString(), typelib::kVxcommClassId);
  EXPECT_EQ(control.value("interfaces").toObject().value("default").toString().toStdString(),
            typelib::kVxcommInterfaceId);
  EXPECT_EQ(control.value("interfaces").toObject().value("source").toString().toStdString(), typelib::kVxcommEventsId);
}

TEST(Creation, LibraryMayUnloadOnlyWithNoLiveInstances) {
  QPluginLoader loader(KESTRUNE_PLUGIN_DIR "/vx/libvx.so");
  auto* factory = qobject_cast<ControlFactory*>(loader.instance());
  ASSERT_NE(factory, nullptr);
  EXPECT_TRUE(factory->canUnloadNow());
  std::unique_ptr<QWidget> control = factory->createControl("vx.vxcomm");
  EXPECT_FALSE(factory->canUnloadNow());
  control.reset();
  EXPECT_TRUE(factory->canUnloadNow());
  EXPECT_FALSE(factory->createControl("vxpp.other"));
}

}  // namespace
}  // namespace vx
