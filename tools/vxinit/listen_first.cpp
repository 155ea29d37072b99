// SPDX-License-Identifier: MIT
#include "tools/vxinit/listen_first.h"

#include <cstdio>

#include "common/number_text.h"
#include "tools/cli/cli.h"

namespace vx {
namespace {

ListenOutcome leftAlone(SerialLine& line, const std::string& why) {
  line.restoreFoundSettings();
  ListenOutcome outcome{cli::kExitLeftAlone, false, false,
                        line.path() + " " + why + ": left alone, nothing written to it"};
  std::fprintf(stderr, "vxinit: %s\n", outcome.said.c_str());
  return outcome;
}

}  // namespace

ListenOutcome listenFirst(ReceiverSession& session, SerialLine& line, double limitSeconds, bool havePosition) {
  std::fprintf(stderr, "vxinit: listening to %s%s\n", line.path().c_str(),
               limitSeconds > 0 ? (" for up to " + generalNumber(limitSeconds) + " seconds").c_str() : "");
  if (const auto ended = session.listen(limitSeconds)) return {ended, false, false, {}};
  const Speech speech = session.speech().verdict();
  switch (speech) {
    case Speech::kUndecided:
      return leftAlone(line, "said nothing this receiver family says within the limit");
    case Speech::kForeign:
      return leftAlone(line, "sends " + session.speech().foreignWhat() + ", not this receiver family's");
    case Speech::kAwake: {
      ListenOutcome outcome{{}, false, false, line.path() + ": " + describe(speech) + ", read without initialising it again"};
      std::fprintf(stderr, "vxinit: %s\n", outcome.said.c_str());
      return outcome;
    }
    case Speech::kAsleep:
      break;
  }
  if (havePosition) return {};
  if (limitSeconds > 0) {
    ListenOutcome outcome = leftAlone(line, "holds a receiver waiting to be woken, and there is no position to give it");
    outcome.asleepWithoutPosition = true;
    return outcome;
  }
  std::fprintf(stderr, "vxinit: %s: %s; printing what it sends, unanswered\n", line.path().c_str(), describe(speech));
  return {{}, true, false, {}};
}

}  // namespace vx
