// SPDX-License-Identifier: MIT
// The About boxes: the welcome screen's names the program's version; the
// other two screens show the fixed line "Version 1.00." whatever the
// release.
#pragma once

#include <QString>

class QWidget;

namespace kestrune {

QString welcomeAboutText();
QString screenAboutText();
void showAbout(QWidget* owner, const QString& text);

}  // namespace kestrune
