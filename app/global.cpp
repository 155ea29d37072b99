// SPDX-License-Identifier: MIT
#include "global.h"

#include <string>

#include "message_boxes.h"
#include "private_profile.h"
#include "vx_error.h"

namespace kestrune {
namespace {

constexpr int kInternalError = 51;
constexpr int kSettingBufferSize = 512;

QString trimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (last > first && text[last - 1] == ' ') --last;
  while (first < last && text[first] == ' ') ++first;
  return text.mid(first, last - first);
}

}  // namespace

QString ReadSetting(const QString& fileName, const QString& section, const QString& key) {
  if (fileName.isEmpty() || section.isEmpty() || key.isEmpty()) return {};
  std::string buffer(kSettingBufferSize, ' ');
  const uint32_t count = GetPrivateProfileStringA(section.toLatin1().constData(), key.toLatin1().constData(), "",
                                                  buffer.data(), kSettingBufferSize, fileName.toLatin1().constData());
  if (count == 0) return {};
  // The spaces behind the NUL go with the trim; then the NUL itself.
  QString result = trimSpaces(QString::fromLatin1(buffer.data(), kSettingBufferSize));
  if (!result.isEmpty() && result.back() == QChar(0)) result.chop(1);
  return result;
}

QString StripNextItem(QString& text, const QString& delimiter) {
  const qsizetype found = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, 0, Qt::CaseSensitive);
  if (found < 0) {
    QString item;
    item.swap(text);
    return item;
  }
  QString item = text.left(found);
  text = text.mid(found + 1);
  return item;
}

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
