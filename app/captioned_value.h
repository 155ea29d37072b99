// SPDX-License-Identifier: MIT
// A value shown beside its caption ("Status: " and "Receiving data..."):
// assistive technology reads it with its caption, "Status: Receiving
// data...", so that a value read on its own still says what it is.
#pragma once

#include <QLabel>

namespace kestrune {

class CaptionedValue : public QLabel {
  Q_OBJECT

 public:
  CaptionedValue(QLabel* caption, QWidget* parent);

  QLabel* caption() const { return caption_; }

 private:
  QLabel* caption_;
};

// A value as read out with its caption: "Status: Receiving data...".
QString captionedText(const QLabel* caption, const QLabel* value);

}  // namespace kestrune
