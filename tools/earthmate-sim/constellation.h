// SPDX-License-Identifier: MIT
// The GPS satellites above the simulated receiver: real satellite numbers
// (1 to 32), each on its own slow path across the sky, as fast as the real
// ones move (a few degrees in ten minutes). One that sinks below the mask
// angle is replaced, in its place of the list, by a satellite not in view
// rising there: the list's places are the receiver's channels.
#pragma once

#include <random>
#include <vector>

namespace vx::sim {

struct SkySatellite {
  int number = 0;              // 1 to 32
  double elevation = 0;        // degrees above the horizon
  double azimuth = 0;          // degrees from north through east
  double climb = 0;            // degrees per second; negative while it sinks
  double turn = 0;             // degrees of azimuth per second
  double risenAt = 0;          // seconds after power-up; 0 for those in view from the start
};

class Constellation {
 public:
  static constexpr int kInView = 11;
  static constexpr int kHighestNumber = 32;
  static constexpr double kMaskAngle = 5;  // degrees: lower satellites are not tracked

  explicit Constellation(std::mt19937& random);

  // Moves every satellite to where it stands at `elapsed` seconds after
  // power-up; the seconds must not run backwards.
  void moveTo(double elapsed);
  const std::vector<SkySatellite>& satellites() const { return satellites_; }

 private:
  SkySatellite rising(double elapsed);
  void setPath(SkySatellite& satellite);

  std::mt19937& random_;
  std::vector<SkySatellite> satellites_;
  double at_ = 0;
};

}  // namespace vx::sim
