// SPDX-License-Identifier: MIT
#include "app/start_position.h"

#include <QCoreApplication>

#include "position/known_position.h"

namespace kestrune {

std::optional<StartPosition> timeZoneStartPosition(const QString& zoneId) {
  const auto known = vx::timeZonePosition(zoneId.toStdString());
  if (!known) return {};
  const vx::GeoPoint& point = known->point;
  const auto text = [](const std::string& s) { return QString::fromStdString(s); };
  return StartPosition{text(vx::degreesText(point.latitude)), text(vx::latitudeHemisphere(point)),
                       text(vx::degreesText(point.longitude)), text(vx::longitudeHemisphere(point)),
                       QCoreApplication::translate("kestrune::StartPosition",
                                                   "From this computer's time zone, %1: correct it if you are far "
                                                   "from there")
                           .arg(zoneId)};
}

}  // namespace kestrune
