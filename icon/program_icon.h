// SPDX-License-Identifier: MIT
// The program icon, in 16, 32 and 48 pixels, that every window carries.
#pragma once

#include <QIcon>

namespace kestrune {

QIcon programIcon();

}  // namespace kestrune
