// SPDX-License-Identifier: MIT
#include "gpsd_devices.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vx {
namespace {

constexpr int kSeenGpsFlag = 0x01;

// gpsd writes "activated" as a time while the device is open and leaves it
// out when it is closed; older releases wrote a number, 0 when closed.
bool isActivated(const QJsonValue& activated) {
  if (activated.isString()) return !activated.toString().isEmpty();
  if (activated.isDouble()) return activated.toDouble() != 0;
  return false;
}

GpsdDevice deviceOf(const QJsonObject& object) {
  return {object.value("path").toString(), isActivated(object.value("activated")),
          (object.value("flags").toInt() & kSeenGpsFlag) != 0};
}

// The device's own path, its links resolved; a path that is not there stays as it is.
QString realPath(const QString& path) {
  const QString real = QFileInfo(path).canonicalFilePath();
  return real.isEmpty() ? path : real;
}

}  // namespace

std::optional<QList<GpsdDevice>> parseGpsdDevices(const QByteArray& reply) {
  for (const QByteArray& line : reply.split('\n')) {
    if (!line.endsWith('\r')) continue;  // gpsd ends each object with CR LF: the last piece may be partial
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed());
    if (!document.isObject() || document.object().value("class").toString() != "DEVICES") continue;
    const QJsonValue devices = document.object().value("devices");
    if (!devices.isArray()) return std::nullopt;
    QList<GpsdDevice> parsed;
    for (const QJsonValue& device : devices.toArray()) {
      if (device.isObject() && device.toObject().value("path").isString()) parsed.append(deviceOf(device.toObject()));
    }
    return parsed;
  }
  return std::nullopt;
}

std::optional<GpsdDevice> gpsdEntryFor(const QList<GpsdDevice>& devices, const QString& device) {
  const QString wanted = realPath(device);
  for (const GpsdDevice& known : devices) {
    if (realPath(known.path) == wanted) return known;
  }
  return std::nullopt;
}

}  // namespace vx
