#include "location_rules.h"

#include <cmath>

#include "number_text.h"

namespace kestrune {
namespace {

bool beginsWithNumberUpTo(const QString& text, double highest) {
  const auto number = vx::numberAtStart(text.toStdString());
  return number && *number >= 0 && *number <= highest;
}

}  // namespace

bool isValidLatitude(const QString& text) { return beginsWithNumberUpTo(text, 90); }
bool isValidLongitude(const QString& text) { return beginsWithNumberUpTo(text, 180); }

QString negatedTimeDifference(const QString& text) {
  const double number = vx::leadingNumber(text.toStdString());
  if (number == 0) return "0";
  QString negated = QString::fromStdString(vx::generalNumber(-number));
  if (negated.startsWith("0.")) negated.remove(0, 1);
  if (negated.startsWith("-0.")) negated.remove(1, 1);
  return negated;
}

}  // namespace kestrune
