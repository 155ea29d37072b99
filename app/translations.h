// SPDX-License-Identifier: MIT
// The program in the user's language: its own catalogue, built into the
// program and holding the control's texts too, and Qt's own catalogue for
// the standard buttons and menus (OK, Yes, No, a box's context menu), from
// Qt's translations folder. Both follow the locale's languages in order of
// preference; a locale without a catalogue (English, C) keeps the texts as
// they are written in the code.
#pragma once

#include <QTranslator>

class QLocale;

namespace kestrune {

class Translations {
 public:
  // Installs the catalogues for `locale` into the application, for as long
  // as this object lives.
  explicit Translations(const QLocale& locale);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Whether the program's own catalogue was found for the locale.
  bool programTranslated() const { return programInstalled_; }

 private:
  QTranslator program_;
  QTranslator qt_;
  bool programInstalled_ = false;
  bool qtInstalled_ = false;
};

}  // namespace kestrune
