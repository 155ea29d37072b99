// SPDX-License-Identifier: MIT
// A serial device opened by its path with the receiver's line settings
// (line_format.h), for a program that drives the receive path itself with
// poll() rather than through the control: raw termios, never blocking.
// What the line was set to before is kept, so that a device left alone is
// given back as it was found.
#pragma once

#include <termios.h>

#include <optional>
#include <string>
#include <string_view>

namespace vx {

class SerialLine {
 public:
  // Opens `path` for reading and writing and sets the receiver's line.
  // Throws std::runtime_error "cannot open PATH: reason", at once, for a
  // path that is not a serial line (a file, /dev/null: "Inappropriate
  // ioctl for device").
  explicit SerialLine(const std::string& path);
  ~SerialLine();  // closes the device
  SerialLine(const SerialLine&) = delete;
  SerialLine& operator=(const SerialLine&) = delete;

  const std::string& path() const { return path_; }
  int fd() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }

  // What arrived; "" when nothing is waiting. Throws std::runtime_error
  // when the device went away (a cable pulled, the other end of a
  // pseudo-terminal closed).
  std::string readAvailable();
  // Writes every byte and waits until they are on the wire; throws
  // std::runtime_error naming the device and the reason, also when the line
  // takes nothing for kStallLimitMs.
  void write(std::string_view bytes);

  // Sets the line back as it was found (a device left alone).
  void restoreFoundSettings();
  // Closes the device now, so that another program may open it.
  void close();

  static constexpr int kStallLimitMs = 3000;

 private:
  static constexpr int kSentPollMs = 10;
  void waitUntilSent();

  std::string path_;
  int fd_ = -1;
  std::optional<termios> found_;
};

}  // namespace vx
