// SPDX-License-Identifier: MIT
// Throughput of the receive path over a real recording replayed 1000 times
// (about 5 MB), fed in reads of 1, 16 and 4096 bytes and as one burst, and
// the heap allocations it makes per sentence once warmed up; at 4096-byte
// reads also with SatellitesInView, whose $GPGSV groups count as sentences.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/allocation_counter.h"
#include "control/core/receiver_link.h"

namespace {

constexpr int kReplays = 1000;
// The first replays fill the queue's slots and the link's buffers; the
// allocations after them are the steady state's.
constexpr int kWarmUpReplays = 10;

std::string recording() {
  const char* dir = std::getenv("KESTRUNE_CAPTURES_DIR");
  std::ifstream file(std::string(dir ? dir : KESTRUNE_CAPTURES_DIR) + "/fix-utrecht.bin", std::ios::binary);
  std::ostringstream one;
  one << file.rdbuf();
  return one.str();
}

const std::string& replayedRecording() {
  static const std::string bytes = [] {
    const std::string one = recording();
    std::string all;
    for (int i = 0; i < kReplays && !one.empty(); ++i) all += one;
    return all;
  }();
  return bytes;
}

void BM_Receive(benchmark::State& state) {
  const std::string& bytes = replayedRecording();
  if (bytes.empty()) {
    state.SkipWithError("fix-utrecht.bin not found (set KESTRUNE_CAPTURES_DIR)");
    return;
  }
  const bool oneBurst = state.range(0) == 0;
  const bool satellitesInView = state.range(1) != 0;
  const auto chunk = oneBurst ? bytes.size() : static_cast<std::size_t>(state.range(0));
  // One burst is all warm-up: its count includes the filling of the buffers.
  const std::size_t warmUpBytes = oneBurst ? 0 : bytes.size() / kReplays * kWarmUpReplays;
  std::size_t sentences = 0;
  uint64_t steadySentences = 0;
  uint64_t steadyAllocations = 0;
  for (auto _ : state) {
    vx::ReceiverLink link([] { return vx::DateTime{2026, 12, 7, 12, 0, 0}; }, [](std::string_view) {});
    link.assumeAwake();
    link.settings().satellitesInView = satellitesInView;
    const auto takeSentences = [&] {
      benchmark::DoNotOptimize(link.takeSentence());
      ++sentences;
      return true;
    };
    const auto feed = [&](std::string_view part) {
      for (std::size_t at = 0; at < part.size(); at += chunk) link.receive(part.substr(at, chunk), takeSentences);
    };
    const std::string_view all(bytes);
    feed(all.substr(0, warmUpBytes));
    const uint64_t allocationsBefore = vx::bench::allocationsSoFar();
    const std::size_t sentencesBefore = sentences;
    feed(all.substr(warmUpBytes));
    steadyAllocations += vx::bench::allocationsSoFar() - allocationsBefore;
    steadySentences += sentences - sentencesBefore;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  // Seconds per sentence, printed with an SI prefix (u = microseconds, n = nanoseconds).
  state.counters["time_per_sentence"] = benchmark::Counter(
      static_cast<double>(sentences), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["allocs_per_sentence"] =
      static_cast<double>(steadyAllocations) / static_cast<double>(std::max<uint64_t>(steadySentences, 1));
}
BENCHMARK(BM_Receive)
    ->ArgNames({"chunk", "satellites"})
    ->Args({1, 0})
    ->Args({16, 0})
    ->Args({4096, 0})
    ->Args({0, 0})
    ->Args({4096, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
