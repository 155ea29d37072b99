// SPDX-License-Identifier: MIT
#include "app/error_report.h"

#include <QCoreApplication>

#include "app/message_boxes.h"
#include "control/error/vx_error.h"

namespace kestrune {
namespace {

// The number of a failure that carries none of its own.
constexpr int kInternalError = 51;

}  // namespace

ErrorReport reportOf(const std::exception& error) {
  if (const auto* numbered = dynamic_cast<const vx::Error*>(&error)) {
    // The control's fixed descriptions are translated here; those it composes it translated itself.
    return {numbered->number(), QCoreApplication::translate("vx", numbered->description().c_str()),
            QString::fromStdString(numbered->source())};
  }
  return {kInternalError, QString::fromLocal8Bit(error.what()), kProgramSource};
}

QString errorTitle() { return QCoreApplication::translate("kestrune::ErrorReport", "Application Error!"); }

QString errorDetails(const ErrorReport& report) {
  return QCoreApplication::translate("kestrune::ErrorReport", "Err.Num: (%1), Err.Des: (%2) Err.Src: (%3)")
      .arg(QString::number(report.number), report.description, report.source);
}

QString errorReportText(const QString& moduleName, const ErrorReport& report) {
  return QCoreApplication::translate("kestrune::ErrorReport",
                                     "A serious internal error occurred in the \"%1\" module!\r\n\r\n%2\r\n\r\nIf the "
                                     "problem persists, report full details to your software support personnel.")
      .arg(moduleName, errorDetails(report));
}

void showErrorReport(QWidget* owner, const QString& moduleName, const std::exception& error) {
  messageBoxes().show(owner, {MessageIcon::kError, errorTitle(), errorReportText(moduleName, reportOf(error))});
}

}  // namespace kestrune
