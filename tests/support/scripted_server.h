// SPDX-License-Identifier: MIT
// Something listening on a TCP port of the loopback that plays a script to
// each client in turn: the stand-in for a gpsd that misbehaves, or for
// another program that happens to listen on gpsd's port.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vx::test {

class ScriptedServer {
 public:
  // What the server does with one connection; endless scripts end once stopping().
  using Script = std::function<void(ScriptedServer& server, int client)>;

  // One script per connection, in order; connections beyond them are closed at once.
  explicit ScriptedServer(std::vector<Script> scripts);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
  // What clients have written so far, all connections together.
  std::string received() const;
  // True once the server is being destroyed.
  bool stopping() const { return stopping_; }

  // Script helpers.
  static bool sendAll(int client, const std::string& bytes);
  // Reads what the client writes within `milliseconds` into received();
  // false once the client has gone.
  bool readFor(int client, int milliseconds);

 private:
  void serve(std::vector<Script> scripts);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex receivedLock_;
  std::string received_;
  std::thread thread_;
};

}  // namespace vx::test
