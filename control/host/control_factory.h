// SPDX-License-Identifier: MIT
// The class object of the control library: what a host gets from the vx
// plugin and asks for controls. Header only, so that hosts need not link
// the library to create its controls.
#pragma once

#include <QString>
#include <QWidget>
#include <QtPlugin>
#include <memory>

namespace vx {

class ControlFactory {
 public:
  virtual ~ControlFactory() = default;
  // A new control for a programmatic identifier ("vx.vxcomm") or class id,
  // the caller's to own; nothing when the library holds no such class.
  virtual std::unique_ptr<QWidget> createControl(const QString& id) = 0;
  // True while no control of this library is alive.
  virtual bool canUnloadNow() const = 0;
};

}  // namespace vx

#define VX_CONTROL_FACTORY_IID "org.kestrune.vx.ControlFactory/2.0"
Q_DECLARE_INTERFACE(vx::ControlFactory, VX_CONTROL_FACTORY_IID)
