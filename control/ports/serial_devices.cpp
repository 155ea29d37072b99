// SPDX-License-Identifier: MIT
#include "serial_devices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include "device_kind.h"
#include "port_link.h"

namespace vx {
namespace {

// The device a path leads to through links; the path itself where nothing is there.
QString resolved(const QString& path) {
  const QString target = QFileInfo(path).canonicalFilePath();
  return target.isEmpty() ? path : target;
}

QString kindText(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::kMissing: return QCoreApplication::translate("vx", "no device");
    case DeviceKind::kSerialLine: return QCoreApplication::translate("vx", "serial device");
    case DeviceKind::kPseudoTerminal: return QCoreApplication::translate("vx", "pseudo-terminal");
    case DeviceKind::kOther: break;
  }
  return QCoreApplication::translate("vx", "not a serial device");
}

}  // namespace

QList<SerialAdapter> usbSerialAdapters() {
  QList<SerialAdapter> adapters;
  for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
    if (!port.hasVendorIdentifier()) continue;  // only USB devices carry a vendor id
    QString description = port.description();
    if (description.isEmpty()) description = port.manufacturer();
    adapters.append({port.systemLocation(), description});
  }
  return adapters;
}

QString describePort(int port, const QList<SerialAdapter>& adapters) {
  const QString device = QString::fromStdString(portDevicePath(port));
  QString what = kindText(deviceKind(device.toStdString()));
  for (const SerialAdapter& adapter : adapters) {
    if (resolved(adapter.device) == resolved(device)) what = QCoreApplication::translate("vx", "USB serial adapter");
  }
  return QString("%1: %2 (%3)").arg(port).arg(device, what);
}

QString linkCommand(int port, const QString& device) {
  const QString folder = QString::fromStdString(portLinkFolder());
  const QString command = "ln -sf " + device + " " + QString::fromStdString(portLinkPath(port));
  return QFileInfo(folder).isDir() ? command : "mkdir -p " + folder + " && " + command;
}

QString adapterAdvice(int port, const QString& deviceTried, const QList<SerialAdapter>& adapters) {
  QStringList others;
  QString first;
  for (const SerialAdapter& adapter : adapters) {
    if (resolved(adapter.device) == resolved(deviceTried)) continue;
    if (first.isEmpty()) first = adapter.device;
    others << (adapter.description.isEmpty() ? adapter.device : adapter.device + " (" + adapter.description + ")");
  }
  if (others.isEmpty()) return {};
  return QCoreApplication::translate("vx", "USB serial adapters here: %1. To make %2 port %3: %4")
      .arg(others.join(", "), first, QString::number(port), linkCommand(port, first));
}

}  // namespace vx
