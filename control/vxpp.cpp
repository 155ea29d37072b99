// SPDX-License-Identifier: MIT
#include "control/vxpp.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "common/twips.h"
#include "control/error/vx_error.h"
#include "control/host/late_bound.h"
#include "control/type_library.h"
#include "control/variant_conversions.h"

vxpp::vxpp(QWidget* parent) : QWidget(parent) {
  setWindowTitle("vxpp");
  setFixedSize(vx::fromTwips(0, 0, 4488, 2520).size());
  // Smaller than the screens' 11 pixels: the page's captions, laid out tight for an 8-point
  // face, fit their boxes at 10 ("TimeZone:  (West is positive)" is the longest).
  QFont pageFont = font();
  pageFont.setPixelSize(10);
  setFont(pageFont);
  const auto label = [this](const char* caption, int left, int top, int width, int height) {
    auto* widget = new QLabel(caption, this);
    widget->setGeometry(vx::fromTwips(left, top, width, height));
    return widget;
  };
  // Each field is named after the setting it edits.
  const auto field = [this](const char* setting, int left, int top, int width, int height) {
    auto* widget = new QLineEdit(this);
    widget->setObjectName(setting);
    widget->setGeometry(vx::fromTwips(left, top, width, height));
    connect(widget, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    return widget;
  };
  // Created in tab order; labels take no focus.
  latitudeCaption = label("Latitude:    (DD.DDDD)", 90, 120, 2700, 240);
  latitudeField = field("Latitude", 90, 370, 2700, 330);
  longitudeCaption = label("Longitude:    (DD.DDDD)", 90, 770, 2700, 240);
  longitudeField = field("Longitude", 90, 1020, 2700, 330);
  latHemisphereCaption = label("LatHemisphere:", 3000, 120, 1380, 240);
  latHemisphereField = field("LatHemisphere", 3000, 370, 405, 330);
  longHemisphereCaption = label("LongHemisphere:", 3000, 720, 1380, 240);
  longHemisphereField = field("LongHemisphere", 3000, 1020, 420, 330);
  timeZoneCaption = label("TimeZone:  (West is positive)", 90, 1680, 2325, 240);
  timeZoneField = field("TimeZone", 2520, 1680, 405, 330);
  satellitesInViewField = new QCheckBox("SatellitesInView  (queue $GPGSV)", this);
  satellitesInViewField->setObjectName("SatellitesInView");
  satellitesInViewField->setGeometry(vx::fromTwips(90, 2100, 4290, 300));
  connect(satellitesInViewField, &QCheckBox::toggled, this, [this] { setChanged(true); });
  setTabOrder(latitudeField, longitudeField);
  setTabOrder(longitudeField, latHemisphereField);
  setTabOrder(latHemisphereField, longHemisphereField);
  setTabOrder(longHemisphereField, timeZoneField);
  setTabOrder(timeZoneField, satellitesInViewField);
}

void vxpp::setChanged(bool changed) {
  if (changed == changed_) return;
  changed_ = changed;
  emit ChangedChanged(changed);
}

const QList<const char*>& vxpp::settingNames() {
  // The members the type library marks as edited on this page, by dispatch id.
  static const QList<const char*> names = [] {
    std::vector<const vx::typelib::Member*> edited;
    for (const vx::typelib::Member& member : vx::typelib::members()) {
      if (member.attribute.starts_with(vx::typelib::kPropertyPage)) edited.push_back(&member);
    }
    std::ranges::sort(edited, {}, &vx::typelib::Member::dispatchId);
    QList<const char*> list;
    for (const vx::typelib::Member* member : edited) list << member->name.data();  // names are literals
    return list;
  }();
  return names;
}

QList<QPair<const char*, QWidget*>> vxpp::fields() const {
  QList<QPair<const char*, QWidget*>> fields;
  for (const char* name : settingNames()) fields.append({name, findChild<QWidget*>(name)});
  return fields;
}

void vxpp::onSelectionChanged() {
  if (selected_.isEmpty()) return;
  const vx::LateBound control(selected_.first(), "vxpp");
  for (const auto& [name, field] : fields()) {
    // A change like the user's: it sets the flag.
    if (auto* box = qobject_cast<QCheckBox*>(field)) {
      box->setChecked(vx::toBool(control.get(name)));
    } else {
      static_cast<QLineEdit*>(field)->setText(vx::toText(control.get(name)));
    }
  }
}

void vxpp::applyChanges() {
  if (selected_.isEmpty()) return;
  vx::LateBound control(selected_.first(), "vxpp");
  for (const auto& [name, field] : fields()) {
    const auto* box = qobject_cast<QCheckBox*>(field);
    control.put(name, box != nullptr ? QVariant(box->isChecked()) : QVariant(static_cast<QLineEdit*>(field)->text()));
  }
}
