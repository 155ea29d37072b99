// SPDX-License-Identifier: MIT
// The control on a real pseudo-terminal:
// - latency from writing the last byte of a message and the next sync byte
//   into the pty master to the control's OnComm signal;
// - CPU used over 10 s of an open, silent port (no polling: should be ~0).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <vector>

#include "control/vxcomm.h"
#include "tests/support/pty_receiver.h"
#include "tools/messages/receiver_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs the event loop until the control raises OnComm, at most 1 s.
bool waitForOnComm(vxcomm& control) {
  QEventLoop loop;
  bool raised = false;
  const auto connection = QObject::connect(&control, &vxcomm::OnComm, &loop, [&] {
    raised = true;
    control.getmsg();
    loop.quit();
  });
  // A timer of our own, stopped when we return: a singleShot would outlive
  // the loop and wake the next benchmark.
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  timeout.start(1000);
  loop.exec();
  QObject::disconnect(connection);
  return raised;
}

void BM_OnCommLatency(benchmark::State& state) {
  vx::test::PtyReceiver receiver;
  receiver.linkAsPort(1);
  vxcomm control;
  control.setPortOpen(-1);
  const std::string message = vx::positionMessage({});
  // Wake the control into binary mode; the first message waits for its successor.
  receiver.write("EARTHA\r\nEARTHA\r\nEARTHA\r\n" + message.substr(0, message.size() - 1));
  receiver.read(62, std::chrono::milliseconds(500));
  std::vector<double> latencies;
  std::string pending = message.substr(message.size() - 1) + "\xFF";  // ends one message, starts the next
  for (auto _ : state) {
    vx::test::processEventsFor(std::chrono::milliseconds(1));
    const auto start = Clock::now();
    receiver.write(pending);
    if (!waitForOnComm(control)) {
      state.SkipWithError("no OnComm within 1 s");
      return;
    }
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count() / 1e6);
    latencies.push_back(elapsed.count());
    pending = message.substr(1, message.size() - 2);
    receiver.write(pending);  // the body of the next message, all but its last byte
    pending = message.substr(message.size() - 1) + "\xFF";
  }
  std::sort(latencies.begin(), latencies.end());
  state.counters["median_us"] = latencies[latencies.size() / 2];
  state.counters["p99_us"] = latencies[latencies.size() * 99 / 100];
}
BENCHMARK(BM_OnCommLatency)->UseManualTime()->Iterations(500)->Unit(benchmark::kMicrosecond);

double cpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void runEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

void BM_SilentOpenPortFor10s(benchmark::State& state) {
  vx::test::PtyReceiver receiver;
  receiver.linkAsPort(1);
  vxcomm control;
  control.setDTREnable(true);
  control.setPortOpen(-1);
  // The first turns of the event loop load fonts for the platform; not the port's cost.
  runEventLoopFor(500);
  double used = 0;
  for (auto _ : state) {
    const double before = cpuMilliseconds();
    runEventLoopFor(10000);
    used = cpuMilliseconds() - before;
  }
  state.counters["cpu_ms"] = used;
}
BENCHMARK(BM_SilentOpenPortFor10s)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
