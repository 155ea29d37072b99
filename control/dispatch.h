// SPDX-License-Identifier: MIT
// Late binding by dispatch id: what a host that knows the control only by
// its type library calls. Each id of type_library.h maps to the member of
// the same name on the control's meta-object; arguments are converted as
// the component runtime converts them (variant_conversions.h).
//
// Errors: 438 for an id the control does not have, 450 for a wrong number
// of arguments, 383 for writing a read-only and 394 for reading a
// write-only property; the member's own errors pass through.
#pragma once

#include <QObject>
#include <QVariant>
#include <QVariantList>
#include <cstdint>
#include <string_view>

#include "control/host/late_binding.h"

namespace vx {

QVariant invoke(QObject& control, int32_t dispatchId, DispatchKind kind, const QVariantList& arguments = {});

// The dispatch id of a member name of _vxcomm (case does not count); 438
// when the type library has no such member.
int32_t dispatchIdOf(std::string_view name);

}  // namespace vx
