// SPDX-License-Identifier: MIT
// The automatic-exit check box with its three values: 0 unticked, 1
// ticked, 2 greyed. The user only ticks and unticks; greyed comes from the
// stored setting, and a click on a greyed box ticks it.
#pragma once

#include <QCheckBox>

namespace kestrune {

class TickBox : public QCheckBox {
  Q_OBJECT

 public:
  using QCheckBox::QCheckBox;

  int value() const;
  void setValue(int value);  // 0, 1 or 2

 protected:
  void nextCheckState() override;
};

}  // namespace kestrune
