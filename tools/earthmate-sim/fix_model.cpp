// SPDX-License-Identifier: MIT
#include "tools/earthmate-sim/fix_model.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "control/core/codecs.h"
#include "tools/earthmate-sim/dilution.h"
#include "tools/messages/receiver_messages.h"

namespace vx::sim {
namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kDegree = 3.14159265358979323846 / 180;
constexpr int kChannels = 12;
constexpr uint8_t kNoFixStatus = 0x1C;  // non-zero: no valid navigation solution
// A channel's status: bit 0 used in the fix, bit 1 the satellite tracked.
constexpr uint8_t kSearching = 0, kTracked = 2, kUsed = 3;
// From acquisition the signal climbs this many dB-Hz over this many seconds.
constexpr double kSignalClimb = 12, kClimbSeconds = 4;
// A satellite that rises is acquired this many seconds after it clears the mask.
constexpr double kFirstAcquisition = 5, kLastAcquisition = 15;
// A receiver that knows no satellite reports these dilutions (x100).
constexpr int16_t kUnknownHorizontal = 2000, kUnknownVertical = 3000;

int32_t tenNanoradians(double degrees) { return static_cast<int32_t>(std::llround(codec::crad(degrees) * 1e8)); }
uint16_t tenThousandthRadians(double degrees) { return static_cast<uint16_t>(std::lround(codec::crad(degrees) * 1e4)); }
int16_t hundredths(double value) { return static_cast<int16_t>(std::lround(value * 100)); }

// What a satellite's signal comes to at its elevation: from some 32 dB-Hz
// low in the sky to some 51 overhead, a dB or two apart from one satellite
// to the next.
double fullSignal(const SkySatellite& satellite) {
  return 28 + 23 * std::sin(codec::crad(satellite.elevation)) + satellite.number % 5 - 2;
}

// The message's 1003, from the dilutions (each rounded as the receiver sends them).
ReceiverPrecision precisionOf(const std::optional<Dilutions>& dops) {
  ReceiverPrecision precision;
  if (!dops) {
    precision.hdop = kUnknownHorizontal;
    precision.vdop = kUnknownVertical;
    precision.pdop = hundredths(std::hypot(kUnknownHorizontal, kUnknownVertical) / 100);
    precision.tdop = kUnknownHorizontal;
    precision.gdop = hundredths(std::hypot(precision.pdop, precision.tdop) / 100);
    return precision;
  }
  precision.gdop = hundredths(dops->geometric);
  precision.pdop = hundredths(dops->position);
  precision.hdop = hundredths(dops->horizontal);
  precision.vdop = hundredths(dops->vertical);
  precision.tdop = hundredths(dops->time);
  return precision;
}

}  // namespace

double distanceKm(double lat1, double lon1, double lat2, double lon2) {
  const double dLat = (lat2 - lat1) * kDegree, dLon = (lon2 - lon1) * kDegree;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * kDegree) * std::cos(lat2 * kDegree) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

FixModel::FixModel(const FixModelOptions& options, uint32_t seed)
    : options_(options), random_(seed), fixAt_(options.coldSeconds), sky_(random_) {
  // Without help the receiver finds the satellites in view one by one, the last at the cold fix.
  std::vector<int> order(Constellation::kInView);
  for (int i = 0; i < Constellation::kInView; ++i) order[static_cast<std::size_t>(i)] = i;
  std::shuffle(order.begin(), order.end(), random_);
  for (int i = 0; i < Constellation::kInView; ++i) {
    const SkySatellite& satellite = sky_.satellites()[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
    acquiredAt_[satellite.number] = options.coldSeconds * (i + 1) / Constellation::kInView;
  }
}

InitVerdict FixModel::initialise(const InitMessageContent& init, const DateTime& trueUtc, double elapsed) {
  InitVerdict verdict;
  verdict.timeErrorSeconds = std::fabs(secondsBetween(trueUtc, init.utc));
  verdict.distanceKm = distanceKm(options_.latitude, options_.longitude, init.latitude, init.longitude);
  verdict.accepted = verdict.timeErrorSeconds <= kLargestTimeError && verdict.distanceKm <= kLargestDistance;
  verdict.text = std::string(verdict.accepted ? "accepted" : "rejected") + ": " +
                 formatFixed(verdict.timeErrorSeconds / 60, 1, 1) + " min and " +
                 formatFixed(verdict.distanceKm, 1, 0) + " km from the truth";
  if (verdict.accepted) {
    init_ = init;
    fixAt_ = std::min(fixAt_, elapsed + options_.warmSeconds);
    // Told where to look, it finds most satellites at once; a few come later.
    std::uniform_real_distribution<double> soon(0.15, 0.6), later(1, 2);
    std::bernoulli_distribution late(0.2);
    for (const SkySatellite& satellite : sky_.satellites()) {
      const double at = elapsed + options_.warmSeconds * (late(random_) ? later(random_) : soon(random_));
      acquiredAt_[satellite.number] = std::min(acquiredAt_[satellite.number], at);
    }
  }
  return verdict;
}

double FixModel::signalOf(const SkySatellite& satellite, double elapsed) {
  if (!acquiredAt_.contains(satellite.number)) {  // risen since: found some seconds after it clears the mask
    const double delay = std::uniform_real_distribution<double>(kFirstAcquisition, kLastAcquisition)(random_);
    acquiredAt_[satellite.number] = satellite.risenAt + delay;
  }
  const double since = elapsed - acquiredAt_[satellite.number];
  if (since < 0) return 0;
  return fullSignal(satellite) - kSignalClimb * std::max(0.0, 1 - since / kClimbSeconds);
}

SecondOfMessages FixModel::second(const DateTime& utc, double elapsed) {
  const bool fix = hasFix(elapsed);
  std::uniform_real_distribution<double> jitter(-2e-6, 2e-6);  // about 20 cm
  ReceiverPosition position;
  position.hours = static_cast<uint16_t>(utc.hour);
  position.minutes = static_cast<uint16_t>(utc.minute);
  position.seconds = static_cast<uint16_t>(utc.second);
  position.day = static_cast<uint16_t>(utc.day);
  position.month = static_cast<uint16_t>(utc.month);
  position.year = static_cast<uint16_t>(utc.year);
  position.status = fix ? 0 : kNoFixStatus;
  if (fix) {
    position.latitude = tenNanoradians(options_.latitude + jitter(random_));
    position.longitude = tenNanoradians(options_.longitude + jitter(random_));
  } else if (init_) {  // before a fix the receiver repeats what it was told
    position.latitude = tenNanoradians(init_->latitude);
    position.longitude = tenNanoradians(init_->longitude);
  }
  position.variation = 175;  // about 1 degree east

  sky_.moveTo(elapsed);
  std::vector<ReceiverChannel> channels(kChannels);
  std::vector<VisibleSatellite> visible;
  std::vector<Direction> used, inView;
  std::uniform_int_distribution<int> noise(-1, 1);
  std::set<int> usedNow;
  for (std::size_t i = 0; i < sky_.satellites().size(); ++i) {
    const SkySatellite& satellite = sky_.satellites()[i];
    const double signal = signalOf(satellite, elapsed);
    const bool isUsed = fix && signal > 0 && (signal >= kUsableSignal || used_.contains(satellite.number));
    if (isUsed) usedNow.insert(satellite.number);
    const auto heard = static_cast<uint16_t>(signal > 0 ? std::max(1L, std::lround(signal) + noise(random_)) : 0);
    const auto number = static_cast<uint8_t>(satellite.number);
    channels[i] = {isUsed ? kUsed : signal > 0 ? kTracked : kSearching, number, heard};
    visible.push_back({number, tenThousandthRadians(satellite.azimuth), static_cast<int16_t>(tenThousandthRadians(satellite.elevation))});
    const Direction direction{satellite.elevation, satellite.azimuth};
    inView.push_back(direction);
    if (isUsed) used.push_back(direction);
  }
  used_ = std::move(usedNow);
  // Before it uses four, the receiver reckons from all it expects in view.
  ReceiverPrecision precision = precisionOf(dilutionsOf(used.size() >= 4 ? used : inView));
  precision.visible = visible;
  return {positionMessage(position), channelMessage(channels, gpsTimeOf(utc)), precisionMessage(precision)};
}

}  // namespace vx::sim
