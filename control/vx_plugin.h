// SPDX-License-Identifier: MIT
// The library vx as a Qt plugin: its metadata (vx.json, generated from
// type_library.h) names the classes it holds with their programmatic and
// class identifiers, so a host finds it without loading it first.
//
// The component runtime's four entry points map onto this: the class
// object is this factory; can-unload is "no live instances"; registering
// is installing the library where hosts look for plugins (the qt6
// plugins/vx folder, or QT_PLUGIN_PATH's), and unregistering removes it.
#pragma once

#include <QObject>

#include "control/host/control_factory.h"

namespace vx {

class VxPlugin : public QObject, public ControlFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VX_CONTROL_FACTORY_IID FILE "control/vx.json")
  Q_INTERFACES(vx::ControlFactory)

 public:
  std::unique_ptr<QWidget> createControl(const QString& id) override;
  bool canUnloadNow() const override;
};

}  // namespace vx
