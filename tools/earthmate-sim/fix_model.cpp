// SPDX-License-Identifier: MIT
#include "fix_model.h"

#include <cmath>

#include "codecs.h"
#include "number_text.h"
#include "receiver_messages.h"

namespace vx::sim {
namespace {

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kDegree = 3.14159265358979323846 / 180;
constexpr int kChannels = 12;
constexpr uint8_t kNoFixStatus = 0x1C;  // non-zero: no valid navigation solution

int32_t tenNanoradians(double degrees) { return static_cast<int32_t>(std::llround(codec::crad(degrees) * 1e8)); }

}  // namespace

double distanceKm(double lat1, double lon1, double lat2, double lon2) {
  const double dLat = (lat2 - lat1) * kDegree, dLon = (lon2 - lon1) * kDegree;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * kDegree) * std::cos(lat2 * kDegree) * std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

FixModel::FixModel(const FixModelOptions& options, uint32_t seed)
    : options_(options), random_(seed), fixAt_(options.coldSeconds) {}

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
  }
  return verdict;
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

  std::vector<ReceiverChannel> channels(kChannels);
  const int used = fix ? std::uniform_int_distribution<int>(6, 9)(random_)
                       : std::uniform_int_distribution<int>(0, 2)(random_);
  for (int i = 0; i < kChannels; ++i) {
    channels[static_cast<std::size_t>(i)] = {static_cast<uint8_t>(i < used ? 1 : 0), static_cast<uint8_t>(3 * i + 2)};
  }
  std::uniform_int_distribution<int> goodDop(100, 300), poorDop(900, 2500);
  const auto dop = [&] { return static_cast<int16_t>(fix ? goodDop(random_) : poorDop(random_)); };
  const int16_t pdop = dop(), hdop = dop(), vdop = dop();
  return {positionMessage(position), channelMessage(channels), precisionMessage(pdop, hdop, vdop)};
}

}  // namespace vx::sim
