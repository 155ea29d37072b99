// SPDX-License-Identifier: MIT
#include "sentence_items.h"

#include <QRegularExpression>

#include "error_report.h"
#include "vx_error.h"

namespace kestrune {

QString stripNextItem(QString& text, const QString& delimiter) {
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

QString decimalDegrees(const QString& coordinate) {
  if (coordinate.size() < 7) {
    throw vx::Error::standard(vx::kInvalidProcedureCall, kProgramSource);
  }
  static const QRegularExpression kDegreesAndMinutes(R"(^(\d*)(\d\d\.\d+)$)");
  const QRegularExpressionMatch match = kDegreesAndMinutes.match(coordinate);
  if (!match.hasMatch()) throw vx::Error::standard(vx::kTypeMismatch, kProgramSource);
  const double degrees = match.captured(1).toDouble() + match.captured(2).toDouble() / 60.0;
  return QString::number(degrees, 'f', 6);
}

QString clockText(const QString& time) { return time.left(2) + ":" + time.mid(2, 2) + ":" + time.right(2); }

QString dateText(const QString& date) { return "20" + date.right(2) + "-" + date.mid(2, 2) + "-" + date.left(2); }

}  // namespace kestrune
