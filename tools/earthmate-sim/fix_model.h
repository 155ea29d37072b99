// SPDX-License-Identifier: MIT
// What the simulated receiver knows and reports: the true position and
// time, whether and when it has a fix, the satellites it tracks, and each
// second's messages.
//
// A valid initialisation (time within 10 minutes of the truth, position
// within 300 km) gives a fix `warm` seconds after it arrives; without one,
// or with a wrong one, the fix comes `cold` seconds after power-up.
//
// The satellites are acquired as a receiver acquires them: after a right
// initialisation most within a few seconds, without one one by one over the
// cold time, and a satellite that rises some seconds after it clears the
// mask. An acquired satellite's C/No climbs over a few seconds to what its
// elevation gives, and varies by a dB or so from second to second. The fix
// takes a satellite in once its signal has climbed high enough, and keeps
// it while it is in view, sinking or not.
#pragma once

#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "control/core/date_time.h"
#include "control/core/init_message.h"
#include "tools/earthmate-sim/constellation.h"

namespace vx::sim {

struct FixModelOptions {
  double latitude = 52.0626;  // the truth, degrees (negative south)
  double longitude = 5.1385;  // degrees (negative west)
  double warmSeconds = 8;
  double coldSeconds = 45;
};

struct InitVerdict {
  bool accepted = false;
  double timeErrorSeconds = 0;
  double distanceKm = 0;
  std::string text;  // "accepted: 0.2 min and 3 km from the truth"
};

// One second's output: messages 1000, 1002 and 1003.
struct SecondOfMessages {
  std::string position, channels, precision;
};

class FixModel {
 public:
  static constexpr double kLargestTimeError = 600;    // seconds
  static constexpr double kLargestDistance = 300;     // km

  FixModel(const FixModelOptions& options, uint32_t seed);
  // The sky draws on the model's own random numbers: a copy would share them.
  FixModel(const FixModel&) = delete;
  FixModel& operator=(const FixModel&) = delete;

  // An initialisation received at `elapsed` seconds after power-up, when
  // the true time was `trueUtc`.
  InitVerdict initialise(const InitMessageContent& init, const DateTime& trueUtc, double elapsed);

  bool hasFix(double elapsed) const { return elapsed >= fixAt_; }
  double fixAt() const { return fixAt_; }

  SecondOfMessages second(const DateTime& utc, double elapsed);

  // The weakest signal the fix uses, dB-Hz.
  static constexpr double kUsableSignal = 35;

 private:
  // The satellite's C/No at `elapsed` without its noise; 0 until it is acquired.
  double signalOf(const SkySatellite& satellite, double elapsed);

  FixModelOptions options_;
  std::mt19937 random_;
  double fixAt_;
  std::optional<InitMessageContent> init_;  // the last accepted one
  Constellation sky_;
  std::map<int, double> acquiredAt_;  // by satellite number: seconds after power-up
  std::set<int> used_;                // the satellites the last second's fix used
};

// Great-circle distance in km.
double distanceKm(double lat1, double lon1, double lat2, double lon2);

}  // namespace vx::sim
