// SPDX-License-Identifier: MIT
// A screen's client area, the parent of its controls. Assistive technology
// reads the controls in the order the screen placed them, top to bottom,
// whatever their stacking since: a label raised over the rows below it (the
// monitor's wrapping status) is still read in its own row, before the
// buttons.
#pragma once

#include <QList>
#include <QWidget>

namespace kestrune {

class ClientArea : public QWidget {
  Q_OBJECT

 public:
  explicit ClientArea(QWidget* parent);

  // The controls in the order they were placed.
  QList<QWidget*> placedControls() const;

 protected:
  void childEvent(QChildEvent* event) override;

 private:
  QList<QObject*> placed_;  // in the order they arrived; raising reorders only the stacking
};

}  // namespace kestrune
