// SPDX-License-Identifier: MIT
// The receiver messages the encoder builds, read back by gpsd's decoder
// (`gpsdecode -j`): the words stand where the receivers of this family put
// them, for the fields the control reads and the stand-in receiver sends.
#include <gtest/gtest.h>

#include <unistd.h>

#include "tests/support/run_program.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

constexpr const char* kGpsdecode = "/usr/bin/gpsdecode";

// A 1003 between a position and a channel message: gpsdecode's last SKY
// report, which the channel message completes, holds both.
TEST(GpsdecodeReads, DilutionsSatellitesInViewAndSignals) {
  if (access(kGpsdecode, X_OK) != 0) GTEST_SKIP() << kGpsdecode << " not installed (Debian's gpsd-clients)";
  ReceiverPrecision precision;
  precision.gdop = 260, precision.pdop = 230, precision.hdop = 130, precision.vdop = 190, precision.tdop = 120;
  // 1e-4 radian: 4.0 rad is 229.2 degrees, 0.5 rad 28.6; 0.3 rad is 17.2.
  precision.visible = {{7, 40000, 5000}, {30, 0, 3000}};
  const std::string fix = positionMessage({});
  const std::string stream = fix + precisionMessage(precision) + channelMessage({{7, 7, 45}, {2, 30, 21}}) + fix;
  const std::string sky = test::runProgram(kGpsdecode, {"-j"}, stream).out;
  for (const char* expected : {R"("vdop":1.90,"tdop":1.20,"hdop":1.30,"gdop":2.60,"pdop":2.30,"nSat":2,"uSat":1)",
                               R"({"PRN":7,"el":28.6,"az":229.2,"ss":45.0,"used":true})",
                               R"({"PRN":30,"el":17.2,"az":0.0,"ss":21.0,"used":false})"}) {
    EXPECT_NE(sky.find(expected), std::string::npos) << expected << "\n in " << sky;
  }
}

}  // namespace
}  // namespace vx
