// SPDX-License-Identifier: MIT
// What asking gpsd about the device adds to a start: nothing listening (the
// connection refused), something listening that never answers (the wait's
// bound), and a real gpsd. Run the last with gpsd on the port KESTRUNE_GPSD
// names (and GPSD_SOCKET elsewhere, so that nothing is borrowed); it is
// skipped where nothing answers. And something on gpsd's port that never
// stops talking: 200,000 short lines, or a line that never ends; the
// question ends at its bounds (kGpsdReplySizeLimit, kGpsdReplyLimit).
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "gpsd/gpsd_link.h"
#include "gpsd/gpsd_loan.h"
#include "tests/support/scripted_server.h"

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

// A banner, then `piece` over and over until the client goes.
void Flood(benchmark::State& state, const std::string& piece) {
  std::string burst;
  while (burst.size() < 65536) burst += piece;
  std::vector<vx::test::ScriptedServer::Script> scripts(
      1000, [&burst](vx::test::ScriptedServer& server, int client) {
        vx::test::ScriptedServer::sendAll(client, "{\"class\":\"VERSION\"}\r\n");
        while (!server.stopping() && vx::test::ScriptedServer::sendAll(client, burst)) {
        }
      });
  vx::test::ScriptedServer server(scripts);
  ::setenv("KESTRUNE_GPSD", server.address().c_str(), 1);
  check(state);
}

void ShortLinesWithoutEnd(benchmark::State& state) { Flood(state, "{}\n"); }
void ALineWithoutEnd(benchmark::State& state) { Flood(state, "{"); }

}  // namespace

BENCHMARK(RealGpsd)->Unit(benchmark::kMillisecond);  // first: the others change KESTRUNE_GPSD
BENCHMARK(NothingListens)->Unit(benchmark::kMillisecond);
BENCHMARK(NothingAtTheUsualAddress)->Unit(benchmark::kMillisecond);
BENCHMARK(SilentListener)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ShortLinesWithoutEnd)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(ALineWithoutEnd)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_MAIN();
