// SPDX-License-Identifier: MIT
// Property bags: where a host keeps the settings of a placed control. A
// value equal to its default is not written, and a value the bag does not
// hold reads back as the default the reader gives.
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace vx {

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) = 0;
  virtual void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

// In memory, for hosts that store the bag's contents themselves.
class MemoryPropertyBag : public PropertyBag {
 public:
  QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override;
  void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;
  const QVariantMap& values() const { return values_; }

 private:
  QVariantMap values_;
};

// One group of an INI file, one bag per placed instance.
class IniPropertyBag : public PropertyBag {
 public:
  IniPropertyBag(const QString& fileName, const QString& group);
  QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override;
  void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;
  // Writes what is pending to the file; true on success.
  bool sync();

 private:
  QSettings settings_;
  QString group_;
};

}  // namespace vx
