#include "serial_devices.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include "port_link.h"

namespace vx {

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
  QString what = "no device";
  if (QFileInfo::exists(device)) {
    const QString target = QFileInfo(device).canonicalFilePath();
    what = "serial device";
    for (const SerialAdapter& adapter : adapters) {
      if (QFileInfo(adapter.device).canonicalFilePath() == target) what = "USB serial adapter";
    }
  }
  return QString("%1: %2 (%3)").arg(port).arg(device, what);
}

QString adapterAdvice(int port, const QString& deviceTried, const QList<SerialAdapter>& adapters) {
  const QString tried = QFileInfo(deviceTried).canonicalFilePath();
  QStringList others;
  QString first;
  for (const SerialAdapter& adapter : adapters) {
    if (!tried.isEmpty() && QFileInfo(adapter.device).canonicalFilePath() == tried) continue;
    if (first.isEmpty()) first = adapter.device;
    others << (adapter.description.isEmpty() ? adapter.device : adapter.device + " (" + adapter.description + ")");
  }
  if (others.isEmpty()) return {};
  const QString folder = QString::fromStdString(portLinkFolder());
  const QString link = QString::fromStdString(portLinkPath(port));
  QString command = "ln -sf " + first + " " + link;
  if (!QFileInfo(folder).isDir()) command = "mkdir -p " + folder + " && " + command;
  return QString("USB serial adapters here: %1. To make %2 port %3: %4")
      .arg(others.join(", "), first, QString::number(port), command);
}

}  // namespace vx
