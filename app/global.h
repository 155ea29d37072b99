// SPDX-License-Identifier: MIT
// The program's shared module: the settings reader, the item splitter and
// the error report box that the monitor screen's handlers show for a
// failure they trap.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace kestrune {

inline constexpr const char* kProgramTitle = "Kestrune";
inline constexpr const char* kProgramSource = "Kestrune";  // the source of the program's own errors
inline constexpr const char* kSettingsFile = "Kestrune.ini";
inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kErrorTitle = "Application Error!";

// The trimmed value of `key` in `section` of the settings file `fileName`,
// at most 511 characters; "" when there is none, and without touching the
// file when an argument is empty.
QString ReadSetting(const QString& fileName, const QString& section, const QString& key);

// Takes the next item off the front of `text`: what stands before the
// first `delimiter` (all of `text` when there is none), and leaves in
// `text` what follows the delimiter's first character. Items are handed
// back as they stand; an empty text gives empty items for ever.
QString StripNextItem(QString& text, const QString& delimiter);

// A failure as the program reports it: number, description and source.
struct ErrorReport {
  int number;
  QString description;
  QString source;
};
ErrorReport reportOf(const std::exception& error);

// "Err.Num: (n), Err.Des: (d) Err.Src: (s)"
QString errorDetails(const ErrorReport& report);
// The full text of the error report box for a failure trapped in `moduleName`.
QString errorReportText(const QString& moduleName, const ErrorReport& report);
void showErrorReport(QWidget* owner, const QString& moduleName, const std::exception& error);

}  // namespace kestrune
