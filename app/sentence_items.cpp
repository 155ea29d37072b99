// SPDX-License-Identifier: MIT
#include "app/sentence_items.h"

#include <QRegularExpression>

#include "app/error_report.h"
#include "control/error/vx_error.h"

namespace kestrune {

QString stripNextItem(QString& text, const QString& delimiter) {
  const qsizetype found = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, 0, Qt::CaseSensitive);
  if (found < 0) {
    QString item;
    item.swap(text);
    return item;
  }
  QString item = text.left(found);
  text = text.mid(found + 1);
  return item;
}

std::optional<PositionReport> positionReport(const QString& sentence) {
  if (!sentence.startsWith("$GPRMC")) return std::nullopt;
  QString rest = sentence;
  const auto next = [&rest] { return stripNextItem(rest, ","); };
  next();  // "$GPRMC"
  PositionReport report;
  report.time = next();
  report.status = next();
  report.latitude = next();
  report.latitudeHemisphere = next();
  report.longitude = next();
  report.longitudeHemisphere = next();
  next();  // speed
  next();  // course
  report.date = next();
  return report;
}

std::optional<PrecisionReport> precisionReport(const QString& sentence) {
  if (!sentence.startsWith("$GPGSA")) return std::nullopt;
  constexpr int kSatelliteFields = 12;
  QString rest = sentence;
  const auto next = [&rest] { return stripNextItem(rest, ","); };
  next();  // "$GPGSA"
  next();  // selection mode
  next();  // fix mode: the control always writes 3, so it is not shown
  PrecisionReport report;
  for (int field = 0; field < kSatelliteFields; ++field) {
    if (const QString satellite = next(); !satellite.isEmpty()) report.used << satellite.toInt();
  }
  report.precision = next();
  return report;
}

std::optional<SatellitesReport> satellitesReport(const QString& sentence) {
  if (!sentence.startsWith("$GPGSV")) return std::nullopt;
  constexpr int kSatellitesPerSentence = 4;
  // The last item ends at the checksum.
  QString rest = sentence.section('*', 0, 0);
  const auto next = [&rest] { return stripNextItem(rest, ","); };
  next();  // "$GPGSV"
  SatellitesReport report;
  report.sentences = next().toInt();
  report.sentence = next().toInt();
  next();  // satellites in view, all sentences together
  for (int field = 0; field < kSatellitesPerSentence; ++field) {
    bool isNumber = false;
    const int satellite = next().toInt(&isNumber);
    next();  // elevation
    next();  // azimuth
    const int signal = next().toInt();
    if (isNumber && satellite > 0) report.satellites << SatelliteSignal{satellite, signal};
  }
  return report;
}

QString decimalDegrees(const QString& coordinate) {
  if (coordinate.size() < 7) {
    throw vx::Error::standard(vx::kInvalidProcedureCall, kProgramSource);
  }
  static const QRegularExpression kDegreesAndMinutes(R"(^(\d*)(\d\d\.\d+)$)");
  const QRegularExpressionMatch match = kDegreesAndMinutes.match(coordinate);
  if (!match.hasMatch()) throw vx::Error::standard(vx::kTypeMismatch, kProgramSource);
  const double degrees = match.captured(1).toDouble() + match.captured(2).toDouble() / 60.0;
  return QString::number(degrees, 'f', 6);
}

QString clockText(const QString& time) { return time.left(2) + ":" + time.mid(2, 2) + ":" + time.right(2); }

QString dateText(const QString& date) { return "20" + date.right(2) + "-" + date.mid(2, 2) + "-" + date.left(2); }

}  // namespace kestrune
