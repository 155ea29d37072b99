// SPDX-License-Identifier: MIT
// The control in Qt Designer and in forms made with it: the plugin loads,
// names and creates vxcomm; the page dialog applies through the form; a
// saved form gives a program a control with those settings.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "control/designer/vxcomm_task_menu.h"
#include "control/vxcomm.h"
#include "control/vxpp.h"
#include "tests/support/qt_printers.h"

namespace vx {
namespace {

TEST(DesignerPlugin, LoadsNamesItsWidgetAndCreatesTheControl) {
  QPluginLoader loader(KESTRUNE_PLUGIN_DIR "/designer/libvxdesigner.so");
  auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
  ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
  EXPECT_EQ(plugin->name(), "vxcomm");
  EXPECT_EQ(plugin->group(), "Kestrune");
  EXPECT_FALSE(plugin->icon().isNull());
  EXPECT_TRUE(plugin->domXml().contains("class=\"vxcomm\""));
  std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
  EXPECT_NE(qobject_cast<vxcomm*>(widget.get()), nullptr);
  // Designer lists the designable properties: the stored settings, not the run-time ones.
  const QMetaObject& meta = *widget->metaObject();
  for (const char* shown : {"Latitude", "Longitude", "LatHemisphere", "LongHemisphere", "TimeZone", "SatellitesInView"}) {
    EXPECT_TRUE(meta.property(meta.indexOfProperty(shown)).isDesignable()) << shown;
  }
  for (const char* hidden : {"Idata", "Odata", "PortOpen", "CommPort", "CommEvent", "DTREnable", "RTSEnable"}) {
    EXPECT_FALSE(meta.property(meta.indexOfProperty(hidden)).isDesignable()) << hidden;
  }
}

TEST(DesignerPlugin, PageDialogAppliesToTheFirstSelectedAndKeepsWhatWasTakenBeforeAFailure) {
  vxcomm first, second;
  VxcommPropertiesDialog dialog({&first, &second});
  EXPECT_EQ(dialog.page()->longitudeField->text(), "71.2544");
  // Filling counts as a change on the page, and the dialog keeps its flag: Apply starts enabled.
  EXPECT_TRUE(dialog.page()->Changed());
  EXPECT_TRUE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply)->isEnabled());
  dialog.page()->timeZoneField->setText("-2");
  dialog.page()->longitudeField->setText("not a number");
  EXPECT_EQ(dialog.apply(), "Type mismatch (error 13)");  // the control refused the longitude
  EXPECT_EQ(first.TimeZone(), -2);
  EXPECT_EQ(first.Longitude(), "71.2544");
  EXPECT_EQ(second.TimeZone(), 5);
}

// What the dialog asked of the form.
class RecordedEdits : public FormEdits {
 public:
  void set(vxcomm&, const char* name, const QVariant& value) override {
    edits << QString("set %1 %2").arg(name, value.toString());
  }
  void reset(vxcomm&, const char* name) override { edits << QString("reset %1").arg(name); }
  QStringList edits;
};

// A setting put back to its default is reset on the form, so that the .ui
// file does not store it; others are set; unchanged ones are left alone.
// Apply is enabled while the page holds changes.
TEST(DesignerPlugin, ApplyResetsSettingsBackAtTheirDefaultAndSetsTheOthers) {
  vxcomm control;
  control.setLatitude("33.9");
  VxcommPropertiesDialog dialog({&control});
  RecordedEdits form;
  dialog.setFormEdits(&form);
  QPushButton* applyButton = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply);
  dialog.page()->latitudeField->setText("42.4413");
  dialog.page()->timeZoneField->setText("-2");
  applyButton->click();
  EXPECT_EQ(form.edits, QStringList({"set TimeZone -2", "reset Latitude"}));
  EXPECT_FALSE(applyButton->isEnabled());  // applied: nothing left to apply
  dialog.page()->longitudeField->setText("5.14");
  EXPECT_TRUE(applyButton->isEnabled());
}

TEST(DesignerPlugin, SavedFormGivesAProgramAControlWithItsSettings) {
  QByteArray form = R"(<ui version="4.0"><class>Form</class><widget class="QWidget" name="Form">
      <widget class="vxcomm" name="vxcomm1">
        <property name="Latitude"><string>33.9</string></property>
        <property name="LatHemisphere"><string>S</string></property>
        <property name="Longitude"><string>151.2</string></property>
        <property name="LongHemisphere"><string>E</string></property>
        <property name="TimeZone"><number>-10</number></property>
      </widget></widget></ui>)";
  QBuffer buffer(&form);
  QUiLoader loader;
  loader.addPluginPath(KESTRUNE_PLUGIN_DIR "/designer");
  std::unique_ptr<QWidget> window(loader.load(&buffer));
  ASSERT_NE(window, nullptr) << loader.errorString().toStdString();
  auto* control = window->findChild<vxcomm*>("vxcomm1");
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(QStringList({control->Latitude(), control->LatHemisphere(), control->Longitude(),
                         control->LongHemisphere(), QString::number(control->TimeZone())}),
            QStringList({"33.9", "S", "151.2", "E", "-10"}));
  EXPECT_TRUE(control->isHidden());  // at run time the control shows nothing
}

}  // namespace
}  // namespace vx
