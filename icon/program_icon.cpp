// SPDX-License-Identifier: MIT
#include "icon/program_icon.h"

namespace kestrune {

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addFile(QString(":/kestrune/kestrune-%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace kestrune
