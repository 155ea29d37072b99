// SPDX-License-Identifier: MIT
#include "control/designer/vxcomm_designer_plugin.h"

#include <QExtensionManager>
#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>

#include "control/designer/vxcomm_task_menu.h"
#include "control/vxcomm.h"
#include "icon/program_icon.h"

QString VxcommDesignerPlugin::whatsThis() const {
  return "Owns a serial port, wakes and initialises an Earthmate GPS receiver with the UTC time and the position "
         "set here, and hands its host NMEA sentences through OnComm and Idata.";
}

QIcon VxcommDesignerPlugin::icon() const { return kestrune::programIcon(); }

QWidget* VxcommDesignerPlugin::createWidget(QWidget* parent) {
  auto* control = new vxcomm(parent);
  if (inDesigner_) control->show();  // on a form being designed it must be seen to be selected
  return control;
}

QString VxcommDesignerPlugin::domXml() const {
  return R"(<ui language="c++"><widget class="vxcomm" name="vxcomm1"/></ui>)";
}

void VxcommDesignerPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (inDesigner_ || core == nullptr) return;
  inDesigner_ = true;
  core->extensionManager()->registerExtensions(new VxcommTaskMenuFactory(core->extensionManager()),
                                               Q_TYPEID(QDesignerTaskMenuExtension));
}
