// SPDX-License-Identifier: MIT
#include "control/host/late_bound.h"

#include "control/error/vx_error.h"

namespace vx {

LateBound::LateBound(QObject* object, const char* source)
    : object_(object), binding_(qobject_cast<LateBinding*>(object)) {
  if (binding_ == nullptr) throw Error::standard(kNotAutomationObject, source);
}

QVariant LateBound::get(const QString& name) const { return invoke(name, DispatchKind::kPropertyGet, {}); }

void LateBound::put(const QString& name, const QVariant& value) { invoke(name, DispatchKind::kPropertyPut, {value}); }

QVariant LateBound::call(const QString& name, const QVariantList& arguments) {
  return invoke(name, DispatchKind::kMethod, arguments);
}

QVariant LateBound::invoke(const QString& name, DispatchKind kind, const QVariantList& arguments) const {
  // The control may be gone (its host destroyed it): that is a missing object, not a crash.
  if (object_.isNull()) throw Error(kObjectNotSet, "The control no longer exists", "vx");
  return binding_->invoke(binding_->dispatchIdOf(name), kind, arguments);
}

}  // namespace vx
