// SPDX-License-Identifier: MIT
// A control driven by name, as a late-bound host drives it: each access
// resolves the member name through the control's type library and goes
// through its late-binding interface, so values are converted and errors
// raised (vx::Error) as the component runtime does. A text that is not a
// number written to an integer property is error 13 here, where
// QObject::setProperty would only return false.
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVariantList>

#include "late_binding.h"

namespace vx {

class LateBound {
 public:
  // Error 430, from `source`, when `object` has no late-binding interface.
  explicit LateBound(QObject* object, const char* source = "vx");

  QVariant get(const QString& name) const;
  void put(const QString& name, const QVariant& value);
  QVariant call(const QString& name, const QVariantList& arguments = {});

 private:
  QVariant invoke(const QString& name, DispatchKind kind, const QVariantList& arguments) const;

  QPointer<QObject> object_;
  LateBinding* binding_;
};

}  // namespace vx
