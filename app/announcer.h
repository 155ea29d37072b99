// SPDX-License-Identifier: MIT
// Tells assistive technology of a change on a screen at once, wherever the
// focus is: a screen reader speaks a notification as it appears. Nothing
// is drawn; the text is only read out.
#pragma once

#include <QWidget>

namespace kestrune {

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void announce(const QString& text);
};

}  // namespace kestrune
