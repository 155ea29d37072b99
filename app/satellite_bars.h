// SPDX-License-Identifier: MIT
// The satellites the receiver tracks, below the monitor's rows: one line
// saying how many it tracks and how many of them the fix uses, and a bar
// for each (satellite_bar.h), in the order the receiver lists them. The
// satellites and their signals come from the "$GPGSV" group of each
// second, the used ones from the "$GPGSA" sentence; each updates the bars
// as it arrives. Nothing shows until the first group.
#pragma once

#include <QList>
#include <QWidget>

#include "app/sentence_items.h"

class QLabel;

namespace kestrune {

class SatelliteBar;

class SatelliteBars : public QWidget {
  Q_OBJECT

 public:
  // The receiver's channels: one bar for each, at most.
  static constexpr int kMostBars = 12;

  explicit SatelliteBars(QWidget* parent);

  void setSatellites(const QList<SatelliteSignal>& satellites);
  void setUsed(const QList<int>& used);

  QLabel* summary;  // "Tracked: 11, used in the fix: 8"
  // The bars that show, one per satellite listed.
  QList<SatelliteBar*> shownBars() const;

 private:
  void refresh();

  QList<SatelliteSignal> satellites_;
  QList<int> used_;
  QList<SatelliteBar*> bars_;
  bool heard_ = false;  // a group has arrived
};

}  // namespace kestrune
