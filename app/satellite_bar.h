// SPDX-License-Identifier: MIT
// One satellite the receiver tracks, drawn as an upright bar over its
// number: the bar's length is the signal, C/No from 0 to kFullScale dB-Hz,
// filled where the satellite is used in the fix and hollow where it is
// only tracked. A screen reader reads it as "Satellite 14: 45 dB-Hz, used
// in the fix"; the same text is its tool tip.
#pragma once

#include <QWidget>

#include "app/sentence_items.h"

namespace kestrune {

class SatelliteBar : public QWidget {
  Q_OBJECT

 public:
  // A strong signal; a stronger one draws a full bar.
  static constexpr int kFullScale = 55;  // dB-Hz

  explicit SatelliteBar(QWidget* parent);

  void setReading(const SatelliteSignal& reading, bool used);
  const SatelliteSignal& reading() const { return reading_; }
  bool used() const { return used_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SatelliteSignal reading_;
  bool used_ = false;
};

}  // namespace kestrune
