// SPDX-License-Identifier: MIT
// A connection to gpsd's service port or control socket, read as lines:
// where gpsd is, connecting and writing by a deadline, and reading whole
// lines in bounded memory, stopped by a deadline or a wake descriptor.
// Whatever listens there is outside input: it may never speak, never
// stop, or send lines of any length. No Qt.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

using GpsdClock = std::chrono::steady_clock;

// gpsd's service port: KESTRUNE_GPSD as host:port, else localhost:2947.
std::string gpsdAddress();

// gpsd's control socket: GPSD_SOCKET, else /run/gpsd.sock (as gpsdctl).
std::string gpsdControlSocket();

struct HostAndPort {
  std::string host;
  std::string port;
};

// "host:port", "[v6]:port"; nullopt when either part is missing.
std::optional<HostAndPort> splitGpsdAddress(std::string_view address);

// True when `path` may be written into a line to gpsd: not empty, and free
// of control characters, quotes and backslashes (a path with a newline
// would be a second command on the control socket).
bool isSafeDevicePath(std::string_view path);

// The longest line kept: gpsd's longest reports are a few kilobytes.
inline constexpr std::size_t kGpsdLineLimit = 16 * 1024;

class GpsdConnection {
 public:
  // Connects to `address` (host:port) by `deadline`; check connected().
  static GpsdConnection toService(const std::string& address, GpsdClock::time_point deadline);
  // Connects to the Unix socket at `path` by `deadline`.
  static GpsdConnection toControlSocket(const std::string& path, GpsdClock::time_point deadline);

  ~GpsdConnection();
  GpsdConnection(GpsdConnection&& other) noexcept;
  GpsdConnection& operator=(GpsdConnection&&) = delete;
  GpsdConnection(const GpsdConnection&) = delete;
  GpsdConnection& operator=(const GpsdConnection&) = delete;

  bool connected() const { return fd_ >= 0; }
  // Every byte received so far, lines handed out or not.
  std::size_t receivedBytes() const { return received_; }

  // Writes all of `bytes` by `deadline`.
  bool send(std::string_view bytes, GpsdClock::time_point deadline);

  enum class Read { kLine, kClosed, kTimedOut, kWoken, kFailed };
  // The next whole line into `line` (its CR LF removed). Lines longer than
  // kGpsdLineLimit are skipped whole; kClosed when the peer closes (a
  // partial last line is dropped), kWoken when `wakeFd` (-1: none) is
  // readable. However the lines arrive, each byte is searched for the line
  // end once and moved at most once.
  Read readLine(std::string& line, GpsdClock::time_point deadline, int wakeFd = -1);

 private:
  explicit GpsdConnection(int fd) : fd_(fd) {}
  Read fill(GpsdClock::time_point deadline, int wakeFd);

  int fd_;
  std::string buffer_;        // bytes received; those before start_ handed out as lines
  std::size_t start_ = 0;     // where the next line begins
  std::size_t scanned_ = 0;   // buffer_ from start_ to this holds no line end
  bool skipping_ = false;     // inside a line too long to keep
  std::size_t received_ = 0;
};

}  // namespace vx
