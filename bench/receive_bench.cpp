// SPDX-License-Identifier: MIT
// Throughput of the receive path over a real recording replayed 1000 times
// (about 5 MB), fed in reads of 1, 16 and 4096 bytes and as one burst.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "receiver_link.h"

namespace {

const std::string& replayedRecording() {
  static const std::string bytes = [] {
    const char* dir = std::getenv("KESTRUNE_CAPTURES_DIR");
    std::ifstream file(std::string(dir ? dir : KESTRUNE_CAPTURES_DIR) + "/fix-utrecht.bin", std::ios::binary);
    std::ostringstream one;
    one << file.rdbuf();
    std::string all;
    for (int i = 0; i < 1000 && !one.str().empty(); ++i) all += one.str();
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
  const auto chunk = state.range(0) == 0 ? bytes.size() : static_cast<std::size_t>(state.range(0));
  std::size_t sentences = 0;
  for (auto _ : state) {
    vx::ReceiverLink link([] { return vx::DateTime{2026, 12, 7, 12, 0, 0}; }, [](std::string_view) {});
    link.assumeAwake();
    const std::string_view all(bytes);
    for (std::size_t at = 0; at < all.size(); at += chunk) {
      link.receive(all.substr(at, chunk), [&] {
        benchmark::DoNotOptimize(link.getmsg());
        ++sentences;
        return true;
      });
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  // Seconds per sentence, printed with an SI prefix (u = microseconds, n = nanoseconds).
  state.counters["time_per_sentence"] = benchmark::Counter(
      static_cast<double>(sentences), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Receive)->Arg(1)->Arg(16)->Arg(4096)->Arg(0)->ArgName("chunk")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
