// SPDX-License-Identifier: MIT
#include "vx_plugin.h"

#include "type_library.h"
#include "vxcomm.h"
#include "vxpp.h"

namespace vx {

QWidget* VxPlugin::createControl(const QString& id, QWidget* parent) {
  const auto is = [&id](std::string_view name) {
    return id.compare(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())), Qt::CaseInsensitive) == 0;
  };
  if (is(typelib::kProgId) || is(typelib::kVxcommClassId)) return new vxcomm(parent);
  if (is(typelib::kPropertyPage) || is(typelib::kVxppClassId)) return new vxpp(parent);
  return nullptr;
}

bool VxPlugin::canUnloadNow() const { return vxcomm::liveInstances() == 0; }

}  // namespace vx
