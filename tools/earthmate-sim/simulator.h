// SPDX-License-Identifier: MIT
// The simulated receiver on the master side of a pseudo-terminal: its
// power-up text, its binary output once a second, what it reads from the
// host, and the faults tests ask for. Single-threaded: one poll loop.
#pragma once

#include <chrono>
#include <csignal>
#include <deque>
#include <random>
#include <string>

#include "tools/earthmate-sim/fix_model.h"
#include "tools/earthmate-sim/host_reader.h"

namespace vx::sim {

struct SimulatorOptions {
  FixModelOptions model;
  double speed = 1;          // the whole clock runs this many times faster
  std::size_t chunk = 0;     // write in pieces of this many bytes (0: whole messages)
  bool burst = false;        // each second's messages in one write
  double junk = 0;           // probability of random bytes after a message
  double hangupAfter = 0;    // close the line after this many seconds (0: never)
  double duration = 0;       // end after this many seconds (0: when stopped)
  bool awake = false;        // woken earlier: binary from the start, no "EARTHA"
  bool verbose = false;      // log every message sent
  uint32_t seed = 1;
};

class Simulator {
 public:
  Simulator(const SimulatorOptions& options, int master);

  // Runs until `stop` is set, the line is hung up or the duration is over.
  void run(const volatile std::sig_atomic_t& stop);

 private:
  struct Piece {
    double due;  // simulated seconds since power-up
    std::string bytes;
  };

  double elapsed() const;
  DateTime trueUtc() const;
  void sendPowerUpLine();
  void sendSecond(double at);  // the messages of the second that began at `at`
  void queue(std::string bytes);
  bool writeDue();
  void readHost();
  void handle(const HostEvent& event);
  int pollTimeoutMs() const;

  SimulatorOptions options_;
  int master_;
  std::chrono::steady_clock::time_point start_;
  DateTime startUtc_;
  FixModel model_;
  HostReader reader_;
  std::mt19937 random_;
  bool awake_;
  bool fixReported_ = false;
  double nextLine_ = 0;
  double nextSecond_ = 0;
  double lineFreeAt_ = 0;
  bool lineFull_ = false;  // the last write found the pseudo-terminal full
  std::deque<Piece> output_;
};

}  // namespace vx::sim
