// SPDX-License-Identifier: MIT
// The property page vxpp: what a developer sees, and how it reads and
// applies the stored settings of the first selected control.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <memory>

#include "control/host/control_loader.h"
#include "control/type_library.h"
#include "control/vxcomm.h"
#include "control/vxpp.h"
#include "tests/support/error_expectations.h"
#include "tests/support/qt_printers.h"

namespace vx {
namespace {

struct PageFields {
  const char* timeZone;
  const char* longHemisphere;
  const char* latHemisphere;
  const char* longitude;
  const char* latitude;
};

void fill(vxpp& page, const PageFields& fields) {
  page.timeZoneField->setText(fields.timeZone);
  page.longHemisphereField->setText(fields.longHemisphere);
  page.latHemisphereField->setText(fields.latHemisphere);
  page.longitudeField->setText(fields.longitude);
  page.latitudeField->setText(fields.latitude);
}

QStringList settingsOf(const vxcomm& control) {
  return {QString::number(control.TimeZone()), control.LongHemisphere(), control.LatHemisphere(),
          control.Longitude(), control.Latitude()};
}

TEST(PropertyPage, ShowsItsFieldsWhereTheyBelong) {
  std::unique_ptr<QWidget> created(createControl(QString::fromLatin1(typelib::kVxppClassId.data(),
                                                                      typelib::kVxppClassId.size())));
  auto* page = qobject_cast<vxpp*>(created.get());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->windowTitle(), "vxpp");
  EXPECT_EQ(page->size(), QSize(299, 168));
  EXPECT_EQ(page->latitudeCaption->text(), "Latitude:    (DD.DDDD)");
  EXPECT_EQ(page->longitudeCaption->text(), "Longitude:    (DD.DDDD)");
  EXPECT_EQ(page->timeZoneCaption->text(), "TimeZone:  (West is positive)");
  EXPECT_EQ(page->longHemisphereCaption->geometry(), QRect(200, 48, 92, 16));
  EXPECT_EQ(page->timeZoneField->geometry(), QRect(168, 112, 27, 22));
  const QWidget* order[] = {page->latitudeField, page->longitudeField, page->latHemisphereField, page->longHemisphereField,
                            page->timeZoneField, page->satellitesInViewField};
  // Tab goes from box to box; the labels take no focus.
  const auto nextTabStop = [](const QWidget* widget) {
    do widget = widget->nextInFocusChain();
    while (!(widget->focusPolicy() & Qt::TabFocus));
    return widget;
  };
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << i;
}

TEST(PropertyPage, SelectionChangedFillsTheFieldsFromTheFirstControlAndSetsTheFlag) {
  vxpp page;
  vxcomm first, second;
  first.setSatellitesInView(true);
  second.setLatitude("10");
  QSignalSpy flag(&page, &vxpp::ChangedChanged);
  page.setSelectedControls({&first, &second});
  page.onSelectionChanged();
  EXPECT_EQ(QStringList({page.latitudeField->text(), page.longitudeField->text(), page.latHemisphereField->text(),
                         page.longHemisphereField->text(), page.timeZoneField->text()}),
            QStringList({"42.4413", "71.2544", "N", "W", "5"}));
  EXPECT_TRUE(page.satellitesInViewField->isChecked());
  EXPECT_TRUE(page.Changed());
  ASSERT_EQ(flag.count(), 1);
  EXPECT_TRUE(flag.at(0).at(0).toBool());
}

TEST(PropertyPage, ApplyWritesTheFirstControlInOrderAndStopsAtAFailure) {
  struct Case {
    PageFields fields;
    int error;
    QStringList first;  // TimeZone, LongHemisphere, LatHemisphere, Longitude, Latitude afterwards
  };
  const Case cases[] = {
      {{"-1", "E", "S", "151.2", "33.9"}, 0, {"-1", "E", "S", "151.2", "33.9"}},
      {{"five", "E", "S", "151.2", "33.9"}, kTypeMismatch, {"5", "W", "N", "71.2544", "42.4413"}},
      {{"99999", "E", "S", "151.2", "33.9"}, kOverflow, {"5", "W", "N", "71.2544", "42.4413"}},
      {{"-1", "E", "S", "east", "33.9"}, kTypeMismatch, {"-1", "E", "S", "71.2544", "42.4413"}},
  };
  for (const Case& c : cases) {
    vxpp page;
    vxcomm first, second;
    page.setSelectedControls({&first, &second});
    fill(page, c.fields);
    EXPECT_EQ(test::errorNumberOf([&] { page.applyChanges(); }), c.error) << c.fields.timeZone;
    EXPECT_EQ(settingsOf(first), c.first);
    EXPECT_EQ(settingsOf(second), QStringList({"5", "W", "N", "71.2544", "42.4413"}));  // never the others
    EXPECT_TRUE(page.Changed());  // the page does not clear its flag
  }
  vxpp page;  // the check box applies as a Boolean
  vxcomm control;
  page.setSelectedControls({&control});
  page.onSelectionChanged();
  page.satellitesInViewField->setChecked(true);
  page.applyChanges();
  EXPECT_TRUE(control.SatellitesInView());
  vxpp empty;  // nothing selected: nothing to apply to, and no failure
  fill(empty, {"-1", "E", "S", "151.2", "33.9"});
  EXPECT_NO_THROW(empty.applyChanges());
}

}  // namespace
}  // namespace vx
