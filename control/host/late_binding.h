// SPDX-License-Identifier: MIT
// The control's late-binding interface, as a host that knows the control
// only by its programmatic identifier uses it: member names resolve to
// dispatch ids through the control's type library (case does not count),
// and invoking an id converts the arguments and raises errors as the
// component runtime does: a text that is not a number where the member
// takes one is error 13, a number out of its range error 6, an unknown
// name 438 (see dispatch.h for the rest).
//
// Header only, so that hosts need not link the control library: they get
// the interface from a created control with qobject_cast<vx::LateBinding*>.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QtPlugin>
#include <cstdint>

namespace vx {

enum class DispatchKind { kMethod, kPropertyGet, kPropertyPut };

class LateBinding {
 public:
  virtual ~LateBinding() = default;
  // The dispatch id of a member of the control's dispatch interface.
  virtual int32_t dispatchIdOf(const QString& name) const = 0;
  virtual QVariant invoke(int32_t dispatchId, DispatchKind kind, const QVariantList& arguments) = 0;
};

}  // namespace vx

#define VX_LATE_BINDING_IID "org.kestrune.vx.LateBinding/1.0"
Q_DECLARE_INTERFACE(vx::LateBinding, VX_LATE_BINDING_IID)
