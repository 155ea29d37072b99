// SPDX-License-Identifier: MIT
#include "control/property_bag.h"

namespace vx {
namespace {

// Values compare as their text, so 5 and "5" count as the same default.
bool isDefault(const QVariant& value, const QVariant& defaultValue) {
  return value.toString() == defaultValue.toString();
}

}  // namespace

QVariant MemoryPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) {
  return values_.value(name, defaultValue);
}

void MemoryPropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) {
  if (isDefault(value, defaultValue)) {
    values_.remove(name);
  } else {
    values_.insert(name, value);
  }
}

IniPropertyBag::IniPropertyBag(const QString& fileName, const QString& group)
    : settings_(fileName, QSettings::IniFormat), group_(group) {}

QVariant IniPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) {
  return settings_.value(group_ + "/" + name, defaultValue);
}

void IniPropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) {
  const QString key = group_ + "/" + name;
  if (isDefault(value, defaultValue)) {
    settings_.remove(key);
  } else {
    settings_.setValue(key, value.toString());
  }
}

bool IniPropertyBag::sync() {
  settings_.sync();
  return settings_.status() == QSettings::NoError;
}

}  // namespace vx
