// SPDX-License-Identifier: MIT
// How assistive technology sees the program's own kinds of widget: every
// widget of class Widget through the interface Interface, made from it.
// Called by the widget's constructor; the first call installs it.
#pragma once

#include <QAccessible>

namespace kestrune {

template <typename Widget, typename Interface>
QAccessibleInterface* accessibleInterfaceOf(const QString& className, QObject* object) {
  if (className != QLatin1String(Widget::staticMetaObject.className())) return nullptr;
  return new Interface(static_cast<Widget*>(object));
}

template <typename Widget, typename Interface>
void accessibleAs() {
  static const bool installed = (QAccessible::installFactory(accessibleInterfaceOf<Widget, Interface>), true);
  Q_UNUSED(installed);
}

}  // namespace kestrune
