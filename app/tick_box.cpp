// SPDX-License-Identifier: MIT
#include "app/tick_box.h"

namespace kestrune {

int TickBox::value() const {
  switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void TickBox::setValue(int value) {
  setTristate(value == 2);
  setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TickBox::nextCheckState() { setValue(value() == 1 ? 0 : 1); }

}  // namespace kestrune
