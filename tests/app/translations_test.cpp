// SPDX-License-Identifier: MIT
// The program in the user's language: its own catalogue and Qt's, chosen by
// the locale, for the program's texts and the control's; English under C.
#include "app/translations.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/error_report.h"
#include "app/welcome_screen.h"
#include "control/error/vx_error.h"
#include "control/host/qt_translator.h"
#include "serial/serial_devices.h"
#include "tests/app/app_fixture.h"
#include "tests/support/run_program.h"

namespace kestrune::test {
namespace {

using TranslationsTest = AppTest;

TEST_F(TranslationsTest, ScreensQtsButtonsAndTheControlsTextsFollowTheLocale) {
  struct Case {
    const char* locale;
    const char* continueText;
    const char* yesText;  // Qt's own
    const char* typeMismatch;
    const char* adapterAdvice;  // a text of the parts free of Qt, filled in
  };
  const Case cases[] = {
      {"de_DE", "&Weiter >>", "&Ja", "Typen unverträglich",
       "Vorhandene USB-Seriell-Adapter: /dev/ttyUSB0. So wird /dev/ttyUSB0 zur Schnittstelle 1: "},
      {"fr_FR", "&Suivant >>", "&Oui", "Incompatibilité de type",
       "Adaptateurs série USB présents : /dev/ttyUSB0. Pour faire de /dev/ttyUSB0 le port 1 : "},
      {"nl_NL", "&Verder >>", "&Ja", "Typen komen niet overeen",
       "Aanwezige USB-serieeladapters: /dev/ttyUSB0. Zo maakt u van /dev/ttyUSB0 poort 1: "},
      {"es_ES", "Se&guir >>", "&Sí", "No coinciden los tipos",
       "Adaptadores serie USB presentes: /dev/ttyUSB0. Para que /dev/ttyUSB0 sea el puerto 1: "},
      {"C", "&Continue >>", "&Yes", "Type mismatch",
       "USB serial adapters here: /dev/ttyUSB0. To make /dev/ttyUSB0 port 1: "},
  };
  for (const Case& c : cases) {
    const Translations translations{QLocale(c.locale)};
    EXPECT_EQ(translations.programTranslated(), QLocale(c.locale) != QLocale::c()) << c.locale;
    EXPECT_EQ(WelcomeScreen().continueButton->text(), QString::fromUtf8(c.continueText));
    const QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(c.yesText)) << c.locale;
    EXPECT_EQ(reportOf(vx::Error::standard(vx::kTypeMismatch)).description, QString::fromUtf8(c.typeMismatch));
    const std::string advice = vx::adapterAdvice(1, "/dev/ttyS0", {{"/dev/ttyUSB0", ""}}, vx::qtTranslator());
    EXPECT_TRUE(advice.starts_with(c.adapterAdvice)) << advice;
  }
  EXPECT_EQ(WelcomeScreen().continueButton->text(), "&Continue >>");  // the catalogues went with their object
}

// Kestrune itself takes its language from LANG: its own words and Qt's.
TEST(Translations, TheProgramSpeaksTheLanguageOfLang) {
  const std::pair<const char*, const char*> cases[] = {
      {"de_DE.UTF-8", "kestrune: Unerwartetes Argument „extra“.\n"},
      {"fr_FR.UTF-8", "kestrune: Argument inattendu « extra ».\n"},
      {"nl_NL.UTF-8", "kestrune: Onverwacht argument ‘extra’.\n"},
      {"es_ES.UTF-8", "kestrune: Argumento inesperado «extra».\n"},
      {"C", "kestrune: Unexpected argument 'extra'.\n"},
  };
  const QByteArray lang = qgetenv("LANG"), all = qgetenv("LC_ALL");
  qunsetenv("LC_ALL");
  for (const auto& [locale, says] : cases) {
    qputenv("LANG", locale);
    const std::string errors = vx::test::runProgram(KESTRUNE_PATH, {"extra"}).err;
    EXPECT_NE(errors.find(says), std::string::npos) << errors;
  }
  qputenv("LANG", "de_DE.UTF-8");
  const std::string errors = vx::test::runProgram(KESTRUNE_PATH, {"--bogus"}).err;
  EXPECT_NE(errors.find("kestrune: Unbekannte Option 'bogus'.\n"), std::string::npos) << errors;
  lang.isNull() ? qunsetenv("LANG") : qputenv("LANG", lang);
  if (!all.isNull()) qputenv("LC_ALL", all);
}

}  // namespace
}  // namespace kestrune::test
