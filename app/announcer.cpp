// SPDX-License-Identifier: MIT
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace kestrune {
namespace {

// A notification to assistive technology: it is spoken each time it shows.
QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
  if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(notificationFor), true);
  Q_UNUSED(installed);
  setFixedSize(0, 0);
  hide();
}

void Announcer::announce(const QString& text) {
  setAccessibleName(text);
  // Appearing is what is announced: an earlier notice goes first.
  hide();
  show();
}

}  // namespace kestrune
