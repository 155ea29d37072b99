// SPDX-License-Identifier: MIT
// Conversions of values crossing the control's dispatch interface, with the
// component runtime's errors: 13 (type mismatch) for a value that is not a
// number where one is needed, 6 (overflow) for one out of range, 5 for a
// character that cannot stand for a byte. Numbers in text always use "." as
// the decimal point, whatever the process locale.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <cstdint>

namespace vx {

double toDouble(const QVariant& value);  // never an infinity or NaN: 6 for a text beyond the range
// Rounds a fraction to the nearest whole number, halves to the even one.
int16_t toInt16(const QVariant& value);
// Numbers are true when not zero; texts "True" and "False" (any case) or numbers.
bool toBool(const QVariant& value);
QString toText(const QVariant& value);

// Byte text: each character of the text is one byte, its code the byte's value.
QByteArray toByteText(const QString& text);
QByteArray toByteText(const QVariant& value);  // a QByteArray as it is, or text

}  // namespace vx
