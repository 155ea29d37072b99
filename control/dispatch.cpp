// SPDX-License-Identifier: MIT
#include "control/dispatch.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include "control/error/vx_error.h"
#include "control/type_library.h"
#include "control/variant_conversions.h"

namespace vx {
namespace {

[[noreturn]] void fail(ErrorNumber number) { throw Error::standard(number); }

// The argument as the parameter's type expects it.
QVariant convertTo(QMetaType type, const QVariant& argument) {
  switch (type.id()) {
    case QMetaType::Double: return toDouble(argument);
    case QMetaType::Bool: return toBool(argument);
    case QMetaType::QString: return toText(argument);
    case QMetaType::QByteArray: return toByteText(argument);
    default: return argument;
  }
}

// A property's value as its type in the type library asks: an "Integer" is
// 16 bits whatever type the meta-object gives it.
QVariant convertForProperty(const typelib::Member& member, QMetaType type, const QVariant& argument) {
  if (member.type != "Integer") return convertTo(type, argument);
  QVariant value = QVariant::fromValue<short>(toInt16(argument));
  value.convert(type);
  return value;
}

QMetaMethod methodNamed(const QMetaObject& meta, std::string_view name) {
  for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
    const QMetaMethod method = meta.method(i);
    if (method.methodType() == QMetaMethod::Method && method.name() == QByteArrayView(name)) return method;
  }
  return {};
}

QVariant callMethod(QObject& control, const typelib::Member& member, const QVariantList& arguments) {
  const QMetaMethod method = methodNamed(*control.metaObject(), member.name);
  if (!method.isValid()) fail(kNotSupported);
  if (arguments.size() != method.parameterCount()) fail(kWrongArgumentCount);
  QVariant argument = arguments.isEmpty() ? QVariant() : convertTo(method.parameterMetaType(0), arguments[0]);
  QVariant result(method.returnMetaType(), nullptr);
  const QGenericReturnArgument returned(method.typeName(), result.data());
  const bool called = arguments.isEmpty()
                          ? method.invoke(&control, Qt::DirectConnection, returned)
                          : method.invoke(&control, Qt::DirectConnection, returned,
                                          QGenericArgument(argument.typeName(), argument.constData()));
  if (!called) fail(kNotSupported);
  return result;
}

QMetaProperty propertyNamed(const QObject& control, std::string_view name) {
  const QMetaObject& meta = *control.metaObject();
  return meta.property(meta.indexOfProperty(std::string(name).c_str()));
}

}  // namespace

int32_t dispatchIdOf(std::string_view name) {
  const typelib::Member* member = typelib::findMember(name);
  if (member == nullptr) fail(kNotSupported);
  return member->dispatchId;
}

QVariant invoke(QObject& control, int32_t dispatchId, DispatchKind kind, const QVariantList& arguments) {
  const typelib::Member* member = typelib::findMember(dispatchId);
  if (member == nullptr) fail(kNotSupported);
  if (member->kind == typelib::MemberKind::kMethod) {
    if (kind != DispatchKind::kMethod) fail(kNotSupported);
    return callMethod(control, *member, arguments);
  }
  const QMetaProperty property = propertyNamed(control, member->name);
  if (!property.isValid()) fail(kNotSupported);
  if (kind == DispatchKind::kPropertyPut) {
    if (!(member->access & typelib::kWrite)) fail(kReadOnlyProperty);
    if (arguments.size() != 1) fail(kWrongArgumentCount);
    property.write(&control, convertForProperty(*member, property.metaType(), arguments[0]));
    return {};
  }
  if (!(member->access & typelib::kRead)) fail(kWriteOnlyProperty);
  if (!arguments.isEmpty()) fail(kWrongArgumentCount);
  return property.read(&control);
}

}  // namespace vx
