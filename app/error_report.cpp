// SPDX-License-Identifier: MIT
#include "error_report.h"

#include "message_boxes.h"
#include "vx_error.h"

namespace kestrune {
namespace {

// The number of a failure that carries none of its own.
constexpr int kInternalError = 51;

}  // namespace

ErrorReport reportOf(const std::exception& error) {
  if (const auto* numbered = dynamic_cast<const vx::Error*>(&error)) {
    return {numbered->number(), QString::fromStdString(numbered->description()),
            QString::fromStdString(numbered->source())};
  }
  return {kInternalError, QString::fromLocal8Bit(error.what()), kProgramSource};
}

QString errorDetails(const ErrorReport& report) {
  return "Err.Num: (" + QString::number(report.number) + "), Err.Des: (" + report.description + ") Err.Src: (" +
         report.source + ")";
}

QString errorReportText(const QString& moduleName, const ErrorReport& report) {
  return "A serious internal error occurred in the \"" + moduleName + "\" module!\r\n\r\n" + errorDetails(report) +
         "\r\n\r\nIf the problem persists, report full details to your software support personnel.";
}

void showErrorReport(QWidget* owner, const QString& moduleName, const std::exception& error) {
  messageBoxes().show(owner, {MessageIcon::kError, kErrorTitle, errorReportText(moduleName, reportOf(error))});
}

}  // namespace kestrune
