// SPDX-License-Identifier: MIT
// vxdecode run as a user runs it: output, exit codes and messages.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>

#include "tests/support/captures.h"
#include "tests/support/run_program.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

const std::string kSample = KESTRUNE_SOURCE_DIR "/samples/worked-examples.bin";
const std::string kClock = "2026-12-05 22:30:15";

test::ProgramResult vxdecode(std::vector<std::string> args, const std::string& input = {}) {
  return test::runProgram(VXDECODE_PATH, args, input);
}

TEST(SampleRecording, HoldsTheWorkedExamples) {
  ReceiverPosition p;
  p.hours = 9, p.minutes = 5, p.seconds = 7;
  p.latitude = 73955522, p.longitude = -124289654, p.speed = 1234, p.course = 1571;
  p.day = 6, p.month = 12, p.year = 2026, p.variation = -262;
  const std::string expected = "EARTHA\r\nEARTHA\r\nEARTHA\r\n" + precisionMessage(210, 120, 170) +
                               positionMessage(p) + channelMessage({{1, 5}, {0, 12}, {3, 17}}) +
                               "\xFF";
  const auto sample = test::runProgram("/bin/cat", {kSample});
  EXPECT_EQ(sample.out, expected);
}

TEST(Vxdecode, PrintsWritesAndSentencesInTheOrderTheyHappen) {
  const std::string expected =
      "TX 45 41 52 54 48 41 0D 0A\n"
      "TX FF 81 B0 04 15 00 00 00 3C 79 01 00 0D 00 00 00 00 00 00 00 06 00 0C 00 EA 07 03 00 "
      "1E 00 0F 00 00 00 6A 04 00 00 96 F8 00 00 00 00 00 00 00 00 00 00 00 00 C6 FA\n"
      "$GPRMC,090507,A,4222.4036,N,07112.7636,W,23.99,090.0,061226,01.5,W*46\n"
      "$GPGSA,A,3,05,17,,,,,,,,,,,2.10,1.20,1.70*07\n";
  const auto result = vxdecode({kSample, "--clock", kClock});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(result.err, "");
}

// What the link took and what it dropped, a count a line on standard error.
TEST(Vxdecode, StatsCountWhatWasTakenAndWhatWasDropped) {
  std::string damaged = channelMessage({{1, 5}});
  damaged[20] ^= 1;
  const std::string lines = "EARTHA\r\nEARTHA\r\nEARTHA\r\n";
  struct Case {
    std::string input, counts;
  };
  const Case cases[] = {
      {test::runProgram("/bin/cat", {kSample}).out,
       "lines: 3\nmessages accepted: 3\nmessages damaged: 0\nbytes dropped: 0\n"},
      // The 1003 is damaged by the junk behind it, which is dropped; the 1002 by its flipped bit.
      {lines + precisionMessage(210, 120, 170) + "junk" + positionMessage({}) + damaged + "\xFF",
       "lines: 3\nmessages accepted: 1\nmessages damaged: 2\nbytes dropped: 4\n"},
  };
  for (const Case& c : cases) {
    const auto result = vxdecode({"-", "--clock", kClock, "--stats"}, c.input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "bytes read: " + std::to_string(c.input.size()) + "\n" + c.counts);
  }
}

TEST(Vxdecode, ReadsStandardInputAndAppliesTheSettings) {
  const auto sample = test::runProgram("/bin/cat", {kSample});
  const auto result = vxdecode({"-", "--clock", "2026-12-31 23:30:00", "--tz", "-2", "--lat", "33.9",
                                "--lat-hem", "S", "--lon", "0", "--lon-hem", "E"},
                               sample.out);
  EXPECT_EQ(result.exitCode, 0);
  // 31 Dec 2026 21:30:00 UTC; latitude word 64633; longitude 0.
  EXPECT_NE(result.out.find("1F 00 0C 00 EA 07 15 00 1E 00 00 00 00 00 79 FC 00 00 00 00 "), std::string::npos)
      << result.out;
}

TEST(Vxdecode, AwakeStartsInBinaryMode) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "fix-utrecht.bin");
  const auto awake = vxdecode({"-", "--awake"}, recording);
  EXPECT_EQ(awake.exitCode, 0);
  EXPECT_EQ(awake.out.find("TX"), std::string::npos);  // never woken, never initialised
  EXPECT_TRUE(awake.out.starts_with("$GPRMC,204219,A,")) << awake.out.substr(0, 80);
  EXPECT_GE(std::count(awake.out.begin(), awake.out.end(), '\n'), 40);
}

TEST(Vxdecode, SatellitesFollowEachChannelSentence) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "fix-utrecht.bin");
  const auto satellites = vxdecode({"-", "--awake", "--satellites"}, recording);
  EXPECT_EQ(satellites.exitCode, 0);
  EXPECT_NE(satellites.out.find("*0D\n$GPGSV,3,1,11,01,,,00,05,,,50,04,,,44,14,,,45*7A\n$GPGSV,3,2,11,"), std::string::npos)
      << satellites.out.substr(0, 300);
}

TEST(Vxdecode, BadArgumentsPrintUsageAndExitTwo) {
  const std::vector<std::vector<std::string>> bad{
      {"--chunk", "0"}, {"--chunk", "x"},      {"--tz", "1.5"},
      {"--lon", "abc"}, {"--lat-hem", "X"},    {"--clock", "2026-02-30 10:00:00"},
      {"--bogus"},      {kSample, "second"},   {"--chunk"},
      {"--tz", "15"},   {"--lat", "91"}};
  for (const auto& args : bad) {
    auto withSample = args;
    withSample.insert(withSample.begin(), kSample);
    const auto result = vxdecode(withSample);
    EXPECT_EQ(result.exitCode, 2) << args.front();
    EXPECT_NE(result.err.find("Usage: vxdecode"), std::string::npos) << args.front();
    EXPECT_EQ(result.out, "");
  }
}

TEST(Vxdecode, UnreadableFileIsNamedWithTheReason) {
  const auto missing = vxdecode({"/nonexistent/recording.bin"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err, "vxdecode: cannot read /nonexistent/recording.bin: No such file or directory\n");
  const auto directory = vxdecode({"/tmp"});
  EXPECT_EQ(directory.exitCode, 1);
  EXPECT_EQ(directory.err, "vxdecode: cannot read /tmp: Is a directory\n");
}

// Output that cannot be written is a failure, not a silent loss.
TEST(Vxdecode, OutputThatCannotBeWrittenIsAFailure) {
  for (const std::string redirect : {" > /dev/full", " >&-"}) {
    const auto result = test::runProgram("/bin/sh", {"-c", std::string(VXDECODE_PATH) + " " + kSample + redirect});
    EXPECT_EQ(result.exitCode, 1) << redirect;
    EXPECT_NE(result.err.find("vxdecode: cannot write to standard output: "), std::string::npos) << result.err;
  }
}

// Sentences come out as the input arrives, and memory stays flat however
// long the recording.
TEST(Vxdecode, StreamsItsInputWithFlatMemory) {
  const std::string live = "(cat " + std::string(kSample) + "; sleep 5) | timeout 1 " + VXDECODE_PATH + " -";
  const auto partial = test::runProgram("/bin/bash", {"-c", live});
  EXPECT_EQ(partial.exitCode, 124);  // still reading when stopped
  EXPECT_NE(partial.out.find("$GPRMC,"), std::string::npos);

  // The sample doubled fifteen times (8.6 MB), fed twice.
  const std::string large = "f=$(mktemp); cat " + kSample + " > $f; for i in $(seq 15); do cat $f $f > $f.2; " +
                            "mv $f.2 $f; done; cat $f $f | " + VXDECODE_PATH + " - --awake | tail -n 1; rm $f";
  const auto result = test::runProgram("/bin/bash", {"-c", large}, {}, 120);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.out.find("$GPGSA,"), std::string::npos) << result.out;
#ifndef KESTRUNE_SANITIZED  // the sanitizers' shadow memory alone is larger
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  EXPECT_LT(children.ru_maxrss, 10 * 1024) << "kilobytes resident at most";
#endif
}

}  // namespace
}  // namespace vx
