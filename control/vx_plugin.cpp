// SPDX-License-Identifier: MIT
#include "control/vx_plugin.h"

#include "control/type_library.h"
#include "control/vxcomm.h"
#include "control/vxpp.h"

namespace vx {

std::unique_ptr<QWidget> VxPlugin::createControl(const QString& id) {
  const auto is = [&id](std::string_view name) {
    return id.compare(QLatin1StringView(name.data(), static_cast<qsizetype>(name.size())), Qt::CaseInsensitive) == 0;
  };
  if (is(typelib::kProgId) || is(typelib::kVxcommClassId)) return std::make_unique<vxcomm>();
  if (is(typelib::kPropertyPage) || is(typelib::kVxppClassId)) return std::make_unique<vxpp>();
  return nullptr;
}

bool VxPlugin::canUnloadNow() const { return vxcomm::liveInstances() == 0; }

}  // namespace vx
