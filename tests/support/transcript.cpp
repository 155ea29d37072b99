// SPDX-License-Identifier: MIT
#include "tests/support/transcript.h"

namespace vx::test {

DateTime workedExampleClock() { return {2026, 12, 5, 22, 30, 15}; }

Recorder::Recorder(LocalTime clock)
    : link_([clock] { return clock; },
            [this](std::string_view bytes) { transcript_.push_back("TX " + hexBytes(bytes)); }) {}

void Recorder::receive(std::string_view bytes) {
  link_.receive(bytes, [this] {
    while (link_.sentencesWaiting()) transcript_.push_back(link_.getmsg());
    return true;
  });
}

void Recorder::feed(std::string_view bytes, std::size_t chunk) {
  if (chunk == 0) chunk = bytes.size() + 1;
  for (std::size_t at = 0; at < bytes.size(); at += chunk) receive(bytes.substr(at, chunk));
}

std::vector<std::string> Recorder::sentences() const {
  std::vector<std::string> out;
  for (const auto& event : transcript_) {
    if (!event.starts_with("TX ")) out.push_back(event);
  }
  return out;
}

std::vector<std::string> Recorder::writes() const {
  std::vector<std::string> out;
  for (const auto& event : transcript_) {
    if (event.starts_with("TX ")) out.push_back(event.substr(3));
  }
  return out;
}

Transcript transcriptOf(std::string_view bytes, std::size_t chunk, bool awake, bool satellitesInView) {
  Recorder recorder;
  if (awake) recorder.link().assumeAwake();
  recorder.link().settings().satellitesInView = satellitesInView;
  recorder.feed(bytes, chunk);
  return recorder.transcript();
}

}  // namespace vx::test
