// SPDX-License-Identifier: MIT
#include "app/satellite_bar.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace kestrune {
namespace {

// One pixel per dB-Hz: the bars of all twelve channels and their numbers
// fit below the monitor's rows in a strip about as high as three rows.
constexpr int kBarWidth = 14;
constexpr int kWidth = 24;
constexpr int kNumberHeight = 14;

// A bar is read as a text, as a label is: a plain widget would be a filler that screen readers pass over.
QAccessibleInterface* accessibleBar(const QString& className, QObject* object) {
  if (className != SatelliteBar::staticMetaObject.className()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
}

}  // namespace

SatelliteBar::SatelliteBar(QWidget* parent) : QWidget(parent) {
  static const bool readAsText = (QAccessible::installFactory(accessibleBar), true);
  Q_UNUSED(readAsText);
  setFixedSize(kWidth, kFullScale + 1 + kNumberHeight);
}

void SatelliteBar::setReading(const SatelliteSignal& reading, bool used) {
  if (reading == reading_ && used == used_ && !accessibleName().isEmpty()) return;
  reading_ = reading;
  used_ = used;
  const QString text = used ? tr("Satellite %1: %2 dB-Hz, used in the fix").arg(reading.satellite).arg(reading.signal)
                            : tr("Satellite %1: %2 dB-Hz, tracked").arg(reading.satellite).arg(reading.signal);
  setAccessibleName(text);
  setToolTip(text);
  update();
}

void SatelliteBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = palette().color(QPalette::Highlight);
  const int length = std::clamp(reading_.signal, 0, kFullScale);
  // A hollow bar is its outline, one pixel inside the bar's place.
  const QRect bar((kWidth - kBarWidth) / 2, kFullScale - length, kBarWidth - 1, length);
  painter.setPen(colour);
  painter.setBrush(used_ ? QBrush(colour) : Qt::NoBrush);
  if (length > 0) painter.drawRect(bar);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawLine(0, kFullScale, kWidth - 1, kFullScale);  // the ground line: a bar of 0 dB-Hz still shows its place
  painter.drawText(QRect(0, kFullScale + 1, kWidth, kNumberHeight), Qt::AlignCenter,
                   QString::number(reading_.satellite));
}

}  // namespace kestrune
