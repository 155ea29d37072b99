// SPDX-License-Identifier: MIT
#include "tools/earthmate-sim/simulator.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "common/number_text.h"
#include "control/core/wake_up.h"
#include "position/system_clock.h"

namespace vx::sim {
namespace {

constexpr double kLineBytesPerSecond = 960;  // 9600 baud, 8N1
constexpr double kPowerUpLineInterval = 0.5;
constexpr std::size_t kLargestBacklog = 2000;  // pieces; older ones go when nobody reads
// The receiver's power-up line is the very text the host answers with.
constexpr std::string_view kPowerUpLine = WakeUp::kReply;

std::string clockText(const DateTime& t) {
  const auto two = [](int v) { return formatFixed(v, 2, 0); };
  return two(t.hour) + two(t.minute) + two(t.second);
}

}  // namespace

Simulator::Simulator(const SimulatorOptions& options, int master)
    : options_(options),
      master_(master),
      start_(std::chrono::steady_clock::now()),
      startUtc_(systemUtc()),
      model_(options.model, options.seed),
      reader_(options.awake),
      random_(options.seed + 1),
      awake_(options.awake) {}

double Simulator::elapsed() const {
  const std::chrono::duration<double> real = std::chrono::steady_clock::now() - start_;
  return real.count() * options_.speed;
}

DateTime Simulator::trueUtc() const { return addSeconds(startUtc_, elapsed()); }

void Simulator::run(const volatile std::sig_atomic_t& stop) {
  std::fprintf(stderr, "earthmate-sim: power-up%s\n", awake_ ? ", awake: binary from the start" : "");
  while (!stop) {
    const double now = elapsed();
    if (options_.hangupAfter > 0 && now >= options_.hangupAfter) {
      std::fprintf(stderr, "earthmate-sim: hanging up after %s s\n", formatFixed(now, 1, 1).c_str());
      return;
    }
    if (options_.duration > 0 && now >= options_.duration) return;
    if (!awake_ && now >= nextLine_) {
      sendPowerUpLine();
      nextLine_ += kPowerUpLineInterval;
    }
    // Every second is sent, late if the process was held up: a receiver never skips one.
    while (awake_ && now >= nextSecond_) {
      sendSecond(nextSecond_);
      nextSecond_ += 1;
    }
    if (!writeDue()) return;
    // While the line is full (nobody reads), wait until it takes more, not for the next due piece.
    pollfd line{master_, static_cast<short>(POLLIN | (lineFull_ ? POLLOUT : 0)), 0};
    if (::poll(&line, 1, pollTimeoutMs()) > 0 && (line.revents & POLLIN)) readHost();
  }
}

int Simulator::pollTimeoutMs() const {
  double next = awake_ ? nextSecond_ : nextLine_;
  if (!output_.empty() && !lineFull_) next = std::min(next, output_.front().due);
  if (options_.hangupAfter > 0) next = std::min(next, options_.hangupAfter);
  const double wait = (next - elapsed()) / options_.speed;
  return std::max(0, static_cast<int>(std::ceil(wait * 1000)));
}

void Simulator::sendPowerUpLine() { queue(std::string(kPowerUpLine)); }

void Simulator::sendSecond(double at) {
  const DateTime utc = addSeconds(startUtc_, at);
  const SecondOfMessages second = model_.second(utc, at);
  if (model_.hasFix(at) && !fixReported_) {
    fixReported_ = true;
    std::fprintf(stderr, "earthmate-sim: fix after %s s\n", formatFixed(model_.fixAt(), 1, 1).c_str());
  }
  std::string burst;
  // 1003 before 1002: a host that joins the two (gpsd) gives each satellite its signal and its place in the sky.
  for (const auto& [id, message] : {std::pair{1000, &second.position}, std::pair{1003, &second.precision},
                                    std::pair{1002, &second.channels}}) {
    std::string bytes = *message;
    const bool junk = std::bernoulli_distribution(options_.junk)(random_);
    if (junk) {
      // Never 0xFF: the junk is what keeps the message before it from being accepted.
      std::uniform_int_distribution<int> length(1, 16), value(0, 0xFE);
      for (int n = length(random_); n > 0; --n) bytes += static_cast<char>(value(random_));
    }
    if (options_.verbose) std::fprintf(stderr, "earthmate-sim: message %d %s%s\n", id, clockText(utc).c_str(), junk ? " junk" : "");
    options_.burst ? void(burst += bytes) : queue(std::move(bytes));
  }
  if (options_.burst) queue(std::move(burst));
}

// Paces output as the line would carry it, in pieces of the chunk size.
void Simulator::queue(std::string bytes) {
  const std::size_t piece = options_.chunk == 0 || options_.burst ? bytes.size() : options_.chunk;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    std::string part = bytes.substr(at, piece);
    const double due = std::max(lineFreeAt_, elapsed());
    lineFreeAt_ = due + static_cast<double>(part.size()) / kLineBytesPerSecond;
    output_.push_back({due, std::move(part)});
  }
  while (output_.size() > kLargestBacklog) output_.pop_front();
}

// False when the line is gone.
bool Simulator::writeDue() {
  while (!output_.empty() && output_.front().due <= elapsed()) {
    Piece& piece = output_.front();
    const ssize_t written = ::write(master_, piece.bytes.data(), piece.bytes.size());
    lineFull_ = written < 0 && errno == EAGAIN;
    if (written < 0) {
      if (errno == EAGAIN || errno == EINTR) return true;  // nobody reads yet; try again later
      std::fprintf(stderr, "earthmate-sim: the line failed: %s\n", std::strerror(errno));
      return false;
    }
    piece.bytes.erase(0, static_cast<std::size_t>(written));
    if (piece.bytes.empty()) output_.pop_front();
  }
  return true;
}

void Simulator::readHost() {
  char block[4096];
  const ssize_t got = ::read(master_, block, sizeof block);
  if (got <= 0) return;
  for (const HostEvent& event : reader_.feed(std::string_view(block, static_cast<std::size_t>(got)))) handle(event);
}

void Simulator::handle(const HostEvent& event) {
  switch (event.kind) {
    case HostEvent::kWakeReply:
      awake_ = true;
      nextSecond_ = elapsed();
      std::fprintf(stderr, "earthmate-sim: awake: the host answered EARTHA\n");
      break;
    case HostEvent::kInit: {
      const InitVerdict verdict = model_.initialise(*event.init, trueUtc(), elapsed());
      std::fprintf(stderr, "earthmate-sim: %s (%s)\n", describe(*event.init).c_str(), verdict.text.c_str());
      break;
    }
    case HostEvent::kInvalidMessage:
      std::fprintf(stderr, "earthmate-sim: invalid message from the host: %s\n", event.text.c_str());
      break;
  }
}

}  // namespace vx::sim
