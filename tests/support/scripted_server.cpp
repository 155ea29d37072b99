// SPDX-License-Identifier: MIT
#include "tests/support/scripted_server.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vx::test {

ScriptedServer::ScriptedServer(std::vector<Script> scripts) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size);
  ::listen(listener_, 8);
  ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread(&ScriptedServer::serve, this, std::move(scripts));
}

ScriptedServer::~ScriptedServer() {
  stopping_ = true;
  ::shutdown(listener_, SHUT_RDWR);
  thread_.join();
  ::close(listener_);
}

std::string ScriptedServer::received() const {
  const std::lock_guard lock(receivedLock_);
  return received_;
}

bool ScriptedServer::sendAll(int client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t written = ::send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (written <= 0) return false;
    sent += static_cast<std::size_t>(written);
  }
  return true;
}

bool ScriptedServer::readFor(int client, int milliseconds) {
  pollfd readable{client, POLLIN, 0};
  char chunk[4096];
  while (::poll(&readable, 1, milliseconds) > 0) {
    const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
    if (got <= 0) return false;
    const std::lock_guard lock(receivedLock_);
    received_.append(chunk, static_cast<std::size_t>(got));
  }
  return true;
}

void ScriptedServer::serve(std::vector<Script> scripts) {
  std::size_t next = 0;
  while (!stopping_) {
    pollfd waiting{listener_, POLLIN, 0};
    if (::poll(&waiting, 1, 50) <= 0) continue;
    const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    if (next < scripts.size()) scripts[next++](*this, client);
    ::close(client);
  }
}

}  // namespace vx::test
