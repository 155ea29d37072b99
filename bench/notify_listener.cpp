// SPDX-License-Identifier: MIT
// Stands in for systemd's end of NOTIFY_SOCKET, for the plug-in figures:
// binds a datagram socket at the path given and prints each notice that
// arrives as one line, the time it arrived first (seconds since the epoch,
// as bash's EPOCHREALTIME), then its assignments joined by spaces. Runs
// until ended by a signal.
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2 || std::strlen(argv[1]) >= sizeof(sockaddr_un::sun_path)) {
    std::fprintf(stderr, "usage: notify_listener SOCKET-PATH (at most %zu bytes)\n", sizeof(sockaddr_un::sun_path) - 1);
    return 2;
  }
  const int listener = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, argv[1]);
  if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  char notice[4096];
  for (;;) {
    const ssize_t size = recv(listener, notice, sizeof notice, 0);
    if (size < 0) break;
    timeval arrived{};
    gettimeofday(&arrived, nullptr);
    std::string line(notice, static_cast<std::size_t>(size));
    while (!line.empty() && line.back() == '\n') line.pop_back();
    for (char& c : line) {
      if (c == '\n') c = ' ';
    }
    std::printf("%lld.%06ld %s\n", static_cast<long long>(arrived.tv_sec), static_cast<long>(arrived.tv_usec), line.c_str());
  }
  std::perror("notify_listener");
  return 1;
}
