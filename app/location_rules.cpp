// SPDX-License-Identifier: MIT
#include "app/location_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

#include "common/number_text.h"
#include "common/setting_limits.h"
#include "control/host/qt_translator.h"

namespace kestrune {
namespace {

bool beginsWithNumberUpTo(const QString& text, double highest) {
  const auto number = vx::numberAtStart(text.toStdString());
  return number && *number >= 0 && *number <= highest;
}

}  // namespace

QString withDecimalPoint(const QString& text) {
  QString point = text;
  return point.replace(QLocale().decimalPoint(), ".");
}

bool isDecimalSeparator(QChar c) { return c == '.' || QString(c) == QLocale().decimalPoint(); }

QString numberRefusal(bool takesMinus, const QString& refused) {
  const QString separator = QLocale().decimalPoint();
  const QString separators =
      separator == "." ? QString("\".\"")
                       : QCoreApplication::translate("kestrune::LocationRules", "\"%1\" or \".\"").arg(separator);
  return (takesMinus ? QCoreApplication::translate("kestrune::LocationRules",
                                                   "Only digits, a minus and %1 as the decimal separator can be "
                                                   "entered here: \"%2\" cannot.")
                     : QCoreApplication::translate("kestrune::LocationRules",
                                                   "Only digits and %1 as the decimal separator can be entered here: "
                                                   "\"%2\" cannot."))
      .arg(separators, refused);
}

bool isValidLatitude(const QString& text) { return beginsWithNumberUpTo(text, vx::kLargestLatitude); }
bool isValidLongitude(const QString& text) { return beginsWithNumberUpTo(text, vx::kLargestLongitude); }

bool isValidTimeDifference(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty() || trimmed == "-") return true;  // read as 0, as the box always took them
  const auto number = vx::numberAtStart(trimmed.toStdString());
  return number && std::fabs(*number) <= vx::kLargestTimeDifference;
}

QString timeDifferenceText(int utcOffsetSeconds) {
  return QString::fromStdString(vx::hoursAheadText(utcOffsetSeconds));
}

bool matchesOffset(const QString& text, int utcOffsetSeconds) {
  return vx::isOffsetAsShown(vx::leadingNumber(text.toStdString()), utcOffsetSeconds);
}

QString zoneQuestion(const vx::ComputerZone& zone, const QString& entered) {
  const QString shown =
      entered.trimmed().isEmpty() ? QCoreApplication::translate("kestrune::LocationRules", "empty") : entered.trimmed();
  const std::string clock = vx::clockDescription(zone, vx::qtTranslator());
  return QCoreApplication::translate("kestrune::LocationRules", "%1, but the time difference entered is %2. Use %3?")
      .arg(QString::fromStdString(clock), shown, timeDifferenceText(zone.utcOffsetSeconds));
}

QString timeDifferenceToKeep(const QString& entry) {
  const QString trimmed = entry.trimmed();
  return vx::numberAtStart(trimmed.toStdString()) ? trimmed : QString("0");
}

QString negatedTimeDifference(const QString& text) {
  const double number = vx::leadingNumber(text.toStdString());
  if (number == 0) return "0";
  QString negated = QString::fromStdString(vx::generalNumber(-number));
  if (negated.startsWith("0.")) negated.remove(0, 1);
  if (negated.startsWith("-0.")) negated.remove(1, 1);
  return negated;
}

}  // namespace kestrune
