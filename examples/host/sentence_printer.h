// SPDX-License-Identifier: MIT
// Prints each sentence the control hands over, and ends the program after
// the number asked for (0: never).
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <cstdio>

#include <kestrune/late_bound.h>

class SentencePrinter : public QObject {
  Q_OBJECT

 public:
  SentencePrinter(QObject* control, int wanted) : control_(control), wanted_(wanted) {}

 public slots:
  void onComm() {
    const QString sentence = control_.get("Idata").toString();  // one queued sentence each time
    // Sentences already on their way when the program was told to quit are dropped.
    if (sentence.isEmpty() || (wanted_ > 0 && printed_ == wanted_)) return;
    std::printf("%s\n", qPrintable(sentence));
    std::fflush(stdout);
    if (++printed_ == wanted_) QCoreApplication::quit();
  }

 private:
  vx::LateBound control_;
  int wanted_;
  int printed_ = 0;
};
