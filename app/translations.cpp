// SPDX-License-Identifier: MIT
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kestrune {
namespace {

// Where the build puts the program's catalogues (kestrune_de.qm, ...) among its resources.
constexpr const char* kCatalogueFolder = ":/i18n";

}  // namespace

Translations::Translations(const QLocale& locale) {
  programInstalled_ = program_.load(locale, "kestrune", "_", kCatalogueFolder) &&
                      QCoreApplication::installTranslator(&program_);
  qtInstalled_ = qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                 QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
  if (programInstalled_) QCoreApplication::removeTranslator(&program_);
  if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
}

}  // namespace kestrune
