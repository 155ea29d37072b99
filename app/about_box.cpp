// SPDX-License-Identifier: MIT
#include "app/about_box.h"

#include <QCoreApplication>

#include "app/message_boxes.h"
#include "app/version.h"

namespace kestrune {
namespace {

QString versionLine(const QString& major, const QString& minor) {
  return QCoreApplication::translate("kestrune::AboutBox", "Version %1.%2.").arg(major, minor);
}

QString authorLine() {
  return QCoreApplication::translate("kestrune::AboutBox", "Written by the Kestrune developers.");
}

}  // namespace

QString welcomeAboutText() {
  return versionLine(QString::number(kVersionMajor), QString::number(kVersionMinor)) + "\r\n\r\n" + authorLine() +
         "\r\n\r\n" +
         QCoreApplication::translate("kestrune::AboutBox", "Kestrune is free software: copy it and give it away.");
}

QString screenAboutText() { return versionLine("1", "00") + "\r\n\r\n" + authorLine(); }

void showAbout(QWidget* owner, const QString& text) {
  messageBoxes().show(owner, {MessageIcon::kNone, kProgramTitle, text});
}

}  // namespace kestrune
