// SPDX-License-Identifier: MIT
// What gpsd says of its devices, read from its reply to "?DEVICES;": the
// devices it knows, whether it has each open, and whether it has heard a
// GPS on it; and which of them is a given serial device. No I/O but the
// resolving of links: gpsd_link.h does the talking.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace vx {

struct GpsdDevice {
  QString path;          // as gpsd names it: /dev/ttyUSB0, /dev/gps0
  bool open = false;     // "activated" is there: gpsd has the device open and reads it
  bool seenGps = false;  // bit 1 of "flags": gpsd has heard a GPS speak on it
};

// The devices of the first DEVICES object in `reply` (gpsd's lines, its
// VERSION banner first); nullopt while no such line is complete, or when
// it is not the JSON gpsd writes.
std::optional<QList<GpsdDevice>> parseGpsdDevices(const QByteArray& reply);

// The entry of `devices` that is `device` once both have their links
// resolved (gpsd's /dev/gps0 and a port's link to /dev/ttyUSB0 are one
// device); nullopt when gpsd does not know it.
std::optional<GpsdDevice> gpsdEntryFor(const QList<GpsdDevice>& devices, const QString& device);

}  // namespace vx
