// SPDX-License-Identifier: MIT
#include "control/variant_conversions.h"

#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "common/rounding.h"
#include "control/error/vx_error.h"

namespace vx {
namespace {

[[noreturn]] void typeMismatch() { throw Error::standard(kTypeMismatch); }

bool isNumber(const QVariant& value) {
  switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

bool isText(const QVariant& value) {
  const int type = value.metaType().id();
  return type == QMetaType::QString || type == QMetaType::QByteArray;
}

}  // namespace

double toDouble(const QVariant& value) {
  double number = 0;
  if (value.metaType().id() == QMetaType::Bool) {
    number = value.toBool() ? -1.0 : 0.0;
  } else if (isNumber(value)) {
    number = value.toDouble();
  } else {
    if (!isText(value)) typeMismatch();
    const auto parsed = parseNumber(value.toString().toStdString());
    if (!parsed) typeMismatch();
    number = *parsed;
  }
  if (!std::isfinite(number)) throw Error::standard(kOverflow);  // "1e999", or an infinity handed in
  return number;
}

int16_t toInt16(const QVariant& value) {
  const double rounded = roundHalfToEven(toDouble(value));
  if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max())) {
    throw Error::standard(kOverflow);
  }
  return static_cast<int16_t>(rounded);
}

bool toBool(const QVariant& value) {
  if (isText(value)) {
    const QString text = value.toString().trimmed();
    if (text.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (text.compare("False", Qt::CaseInsensitive) == 0) return false;
  }
  return toDouble(value) != 0.0;
}

QString toText(const QVariant& value) {
  if (value.metaType().id() == QMetaType::Bool) return value.toBool() ? "True" : "False";
  if (isNumber(value)) return QString::fromStdString(generalNumber(value.toDouble()));
  if (!isText(value) && !value.canConvert<QString>()) typeMismatch();
  return value.toString();
}

QByteArray toByteText(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (const QChar c : text) {
    if (c.unicode() > 0xFF) throw Error::standard(kInvalidProcedureCall);
    bytes.append(static_cast<char>(c.unicode()));
  }
  return bytes;
}

QByteArray toByteText(const QVariant& value) {
  if (value.metaType().id() == QMetaType::QByteArray) return value.toByteArray();
  return toByteText(toText(value));
}

}  // namespace vx
