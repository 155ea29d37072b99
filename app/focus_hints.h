// SPDX-License-Identifier: MIT
// Shows a field's hint beside it while the field has the focus, so that
// the hint is reachable from the keyboard and not only under the mouse. A
// field's hint is what assistive technology reads as its description: its
// accessible description where it has one, else its tooltip.
#pragma once

#include <QObject>

class QWidget;

namespace kestrune {

class FocusHints : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  void add(QWidget* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

QString hintOf(const QWidget* field);

}  // namespace kestrune
