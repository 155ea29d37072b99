// SPDX-License-Identifier: MIT
// The control vxcomm in Qt Designer: in the widget box under "Kestrune",
// its stored settings in the property editor and in saved forms, and
// "Edit Properties..." on its context menu, which opens the property page
// vxpp. Programs that load such a form (QUiLoader) create their vxcomm
// through this plugin too.
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class VxcommDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  QString name() const override { return "vxcomm"; }
  QString group() const override { return "Kestrune"; }
  QString toolTip() const override { return "Receiver link control: wakes and initialises an Earthmate GPS receiver"; }
  QString whatsThis() const override;
  QString includeFile() const override { return "vxcomm.h"; }
  QIcon icon() const override;
  bool isContainer() const override { return false; }
  QWidget* createWidget(QWidget* parent) override;
  QString domXml() const override;

  bool isInitialized() const override { return inDesigner_; }
  void initialize(QDesignerFormEditorInterface* core) override;

 private:
  bool inDesigner_ = false;  // true in Designer; a form loader never initialises the plugin
};
