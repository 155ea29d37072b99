// SPDX-License-Identifier: MIT
#include "about_box.h"


#include "message_boxes.h"
#include "version.h"

namespace kestrune {
namespace {

constexpr const char* kAuthorLine = "Written by the Kestrune developers.";
constexpr const char* kDistributionLine = "Kestrune is free software: copy it and give it away.";

}  // namespace

QString welcomeAboutText() {
  return QString("Version %1.%2.\r\n\r\n").arg(kVersionMajor).arg(kVersionMinor) + kAuthorLine + "\r\n\r\n" +
         kDistributionLine;
}

QString screenAboutText() { return QString("Version 1.00.\r\n\r\n") + kAuthorLine; }

void showAbout(QWidget* owner, const QString& text) {
  messageBoxes().show(owner, {MessageIcon::kNone, kProgramTitle, text});
}

}  // namespace kestrune
