// SPDX-License-Identifier: MIT
// What asking gpsd about the device adds to a start: nothing listening (the
// connection refused), something listening that never answers (the wait's
// bound), and a real gpsd. Run the last with gpsd on the port KESTRUNE_GPSD
// names (and GPSD_SOCKET elsewhere, so that nothing is borrowed); it is
// skipped where nothing answers.
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "gpsd_link.h"
#include "gpsd_loan.h"

namespace {

void check(benchmark::State& state) {
  for (auto _ : state) {
    const vx::GpsdCheck result = vx::checkGpsd("/dev/ttyUSB0", [](const std::string&) {});
    benchmark::DoNotOptimize(result.notice);
  }
}

void NothingListens(benchmark::State& state) {
  ::setenv("KESTRUNE_GPSD", "127.0.0.1:1", 1);
  check(state);
}

// localhost:2947, as a start without KESTRUNE_GPSD asks (only meaningful where no gpsd runs).
void NothingAtTheUsualAddress(benchmark::State& state) {
  ::unsetenv("KESTRUNE_GPSD");
  if (vx::askGpsdForDevices()) {
    state.SkipWithError("a gpsd answers at localhost:2947");
    return;
  }
  check(state);
}

// A socket that takes connections (the kernel's backlog) and never answers.
void SilentListener(benchmark::State& state) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(listener, 64) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    state.SkipWithError("no listening socket");
    return;
  }
  ::setenv("KESTRUNE_GPSD", ("127.0.0.1:" + std::to_string(ntohs(address.sin_port))).c_str(), 1);
  check(state);
  ::close(listener);
}

void RealGpsd(benchmark::State& state) {
  if (std::getenv("KESTRUNE_GPSD") == nullptr || !vx::askGpsdForDevices()) {
    state.SkipWithError("no gpsd answers at KESTRUNE_GPSD");
    return;
  }
  check(state);
}

}  // namespace

BENCHMARK(RealGpsd)->Unit(benchmark::kMillisecond);  // first: the others change KESTRUNE_GPSD
BENCHMARK(NothingListens)->Unit(benchmark::kMillisecond);
BENCHMARK(NothingAtTheUsualAddress)->Unit(benchmark::kMillisecond);
BENCHMARK(SilentListener)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
