// SPDX-License-Identifier: MIT
// The error report box that the monitor screen's handlers show for a failure
// they trap: number, description and source in a fixed text, titled
// "Application Error!" with the stop icon.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace kestrune {

// "Application Error!", in the user's language.
QString errorTitle();
inline constexpr const char* kProgramSource = "Kestrune";  // the source of the program's own errors

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
