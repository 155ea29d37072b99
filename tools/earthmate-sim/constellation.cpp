// SPDX-License-Identifier: MIT
#include "tools/earthmate-sim/constellation.h"

#include <algorithm>
#include <cmath>

namespace vx::sim {
namespace {

// A GPS satellite crosses the sky in some six hours: about 0.01 degree a second.
constexpr double kFastestClimb = 0.01;
constexpr double kFastestTurn = 0.02;

}  // namespace

Constellation::Constellation(std::mt19937& random) : random_(random) {
  std::vector<int> numbers(kHighestNumber);
  for (int i = 0; i < kHighestNumber; ++i) numbers[static_cast<std::size_t>(i)] = i + 1;
  std::shuffle(numbers.begin(), numbers.end(), random_);
  // Spread round the sky, as the orbits spread them: one in each sector of azimuth.
  std::uniform_real_distribution<double> elevation(kMaskAngle + 5, 80), within(0, 360.0 / kInView);
  for (int i = 0; i < kInView; ++i) {
    SkySatellite satellite;
    satellite.number = numbers[static_cast<std::size_t>(i)];
    satellite.elevation = elevation(random_);
    satellite.azimuth = i * 360.0 / kInView + within(random_);
    setPath(satellite);
    satellites_.push_back(satellite);
  }
}

void Constellation::setPath(SkySatellite& satellite) {
  std::uniform_real_distribution<double> climb(-kFastestClimb, kFastestClimb), turn(-kFastestTurn, kFastestTurn);
  satellite.climb = climb(random_);
  satellite.turn = turn(random_);
}

SkySatellite Constellation::rising(double elapsed) {
  std::vector<int> free;
  for (int number = 1; number <= kHighestNumber; ++number) {
    const bool inView = std::any_of(satellites_.begin(), satellites_.end(),
                                    [number](const SkySatellite& s) { return s.number == number; });
    if (!inView) free.push_back(number);
  }
  SkySatellite satellite;
  satellite.number = free[std::uniform_int_distribution<std::size_t>(0, free.size() - 1)(random_)];
  satellite.elevation = kMaskAngle;
  satellite.azimuth = std::uniform_real_distribution<double>(0, 360)(random_);
  satellite.risenAt = elapsed;
  setPath(satellite);
  satellite.climb = std::fabs(satellite.climb);
  return satellite;
}

void Constellation::moveTo(double elapsed) {
  const double seconds = elapsed - at_;
  at_ = elapsed;
  for (SkySatellite& satellite : satellites_) {
    satellite.elevation = std::min(90.0, satellite.elevation + satellite.climb * seconds);
    satellite.azimuth = std::fmod(satellite.azimuth + satellite.turn * seconds + 360, 360);
    if (satellite.elevation < kMaskAngle) satellite = rising(elapsed);
  }
}

}  // namespace vx::sim
