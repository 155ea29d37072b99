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

namespace vx {

enum class DispatchKind { kMethod, kPropertyGet, kPropertyPut };

QVariant invoke(QObject& control, int32_t dispatchId, DispatchKind kind, const QVariantList& arguments = {});

}  // namespace vx
