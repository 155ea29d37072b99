// SPDX-License-Identifier: MIT
#include "control/core/receiver_link.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/receiver_bytes.h"
#include "tests/support/transcript.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

using test::Recorder;

using test::kLine;
using test::kSync;

std::string position(uint16_t seconds = 0) {
  ReceiverPosition p;
  p.seconds = seconds;
  return positionMessage(p);
}

std::string otherMessage(uint16_t id = 1108) { return MessageWords(4).build(id); }

class ReceiverLinkTest : public ::testing::Test {
 protected:
  ReceiverLink& link() { return recorder.link(); }
  void receive(std::string_view bytes) { recorder.receive(bytes); }
  const ReceiveCounts& counts() const { return recorder.link().counts(); }

  Recorder recorder;
};

class BinaryLinkTest : public ReceiverLinkTest {
 protected:
  void SetUp() override { link().assumeAwake(); }
};

// --- Binary framing -------------------------------------------------------

TEST_F(BinaryLinkTest, MessageIsAcceptedOnlyWhenTheNextSyncByteArrives) {
  receive(position());
  EXPECT_EQ(counts().messages, 0u);
  receive(kSync);
  EXPECT_EQ(counts().messages, 1u);
  ASSERT_EQ(recorder.sentences().size(), 1u);
  EXPECT_TRUE(recorder.sentences()[0].starts_with("$GPRMC,"));
}

TEST_F(BinaryLinkTest, HeaderOnlyMessageIsConsumedAndDropped) {
  const std::string empty = MessageWords(0).build(1000);
  ASSERT_EQ(empty.size(), 10u);
  receive(empty + position() + kSync);
  EXPECT_EQ(recorder.sentences().size(), 1u);
  EXPECT_EQ(counts().damagedMessages + counts().droppedBytes, 0u);
}

TEST_F(BinaryLinkTest, ResynchronisationKeeps250BytesWithoutASyncPairAndDrops251) {
  receive(std::string(250, 'x'));
  EXPECT_EQ(link().bufferedBytes(), 250u);
  receive("x");
  EXPECT_EQ(link().bufferedBytes(), 0u);
  EXPECT_EQ(counts().droppedBytes, 251u);
}

TEST_F(BinaryLinkTest, DroppingForLackOfASyncPairKeepsAFinalFF) {
  receive(std::string(260, 'x') + kSync);
  EXPECT_EQ(counts().droppedBytes, 260u);
  receive(position().substr(1) + kSync);
  EXPECT_EQ(recorder.sentences().size(), 1u);
}

TEST_F(BinaryLinkTest, JunkBeforeASyncPairIsDroppedAndTheMessageTaken) {
  receive("junk!" + position() + kSync);
  EXPECT_EQ(counts().droppedBytes, 5u);
  EXPECT_EQ(recorder.sentences().size(), 1u);
}

// Damage on the line loses the damaged message and nothing more: one
// flipped bit must not become a plausible fix elsewhere, and the framer
// must not skip a byte that may start the next header.
struct DamagedStream {
  std::string what;
  std::string bytes;
  std::vector<std::string> times;  // of the sentences that come out
  uint64_t damagedMessages;
  uint64_t droppedBytes;  // the rest of a damaged header, up to the next sync pair
};

std::string withBitFlipped(std::string message, std::size_t at) {
  message[at] = static_cast<char>(message[at] ^ 0x04);
  return message;
}

std::vector<DamagedStream> damagedStreams() {
  const std::string p1 = position(1), p2 = position(2), p3 = position(3), p4 = position(4);
  const uint64_t headerTail = p1.size() - 1;
  return {
      {"flipped bit in the sync word", withBitFlipped(p1, 1) + p2 + kSync, {"000002"}, 1, headerTail},
      {"flipped bit in the id", withBitFlipped(p1, 4) + p2 + kSync, {"000002"}, 1, headerTail},
      {"flipped bit in the header checksum", withBitFlipped(p1, 8) + p2 + kSync, {"000002"}, 1, headerTail},
      {"flipped bit in the latitude", withBitFlipped(p1, 53) + p2 + kSync, {"000002"}, 1, 0},
      {"message not followed by a sync byte", p1 + "?" + p2 + p3 + kSync, {"000002", "000003"}, 1, 1},
      // The stray 0xFF ends the first message's wait for a sync byte, then
      // fails as a header: only it may go, not the real sync byte behind it.
      {"stray 0xFF right before a sync pair", p1 + "\xFF" + p2 + p3 + p4 + kSync,
       {"000001", "000002", "000003", "000004"}, 1, 0},
  };
}

TEST(DamagedStreams, LoseOnlyTheDamagedMessage) {
  for (const DamagedStream& stream : damagedStreams()) {
    test::Recorder recorder;
    recorder.link().assumeAwake();
    recorder.receive(stream.bytes);
    std::vector<std::string> times;
    for (const std::string& sentence : recorder.sentences()) times.push_back(sentence.substr(7, 6));
    EXPECT_EQ(times, stream.times) << stream.what;
    EXPECT_EQ(recorder.link().counts().damagedMessages, stream.damagedMessages) << stream.what;
    EXPECT_EQ(recorder.link().counts().droppedBytes, stream.droppedBytes) << stream.what;
  }
}

TEST_F(BinaryLinkTest, OversizedHeadersAreConsumedWithNothingDispatched) {
  std::string stream;
  for (uint16_t id : {uint16_t{32768}, uint16_t{65535}}) {
    std::string header = MessageWords(0).build(id);
    header[4] = 3;  // claims three data words; they are never read as data
    stream += header + position();
  }
  std::string longHeader = MessageWords(0).build(1000);
  longHeader[4] = static_cast<char>(0xFF), longHeader[5] = 0x3F;  // 16383 words
  recorder.receive(stream + longHeader + position() + kSync);
  EXPECT_EQ(recorder.sentences().size(), 3u);
  EXPECT_EQ(counts().damagedMessages, 3u);
}

TEST_F(BinaryLinkTest, PrecisionMessageOnlyUpdatesTheDilutions) {
  recorder.receive(precisionMessage(180, 90, 150) + channelMessage({{1, 7}}) +
                   channelMessage({{1, 8}}) + kSync);
  ASSERT_EQ(recorder.sentences().size(), 2u);
  EXPECT_NE(recorder.sentences()[0].find(",07,,,,,,,,,,,,1.80,0.90,1.50*"), std::string::npos);
  EXPECT_NE(recorder.sentences()[1].find(",08,,,,,,,,,,,,1.80,0.90,1.50*"), std::string::npos);
}

TEST_F(BinaryLinkTest, ShortHandledMessagesYieldNothingAndLeaveTheDilutionsAlone) {
  // 22, 72 and 96 bytes: each one short of the last byte its fields need.
  MessageWords shortPrecision(5), shortPosition(30), shortChannel(42);
  shortPrecision.set(10, 1);
  shortChannel.setLowByte(15, 1).setLowByte(16, 3);
  recorder.receive(precisionMessage(180, 90, 150) + shortPrecision.build(1003) +
                   shortPosition.build(1000) + shortChannel.build(1002) +
                   channelMessage({{1, 3}}) + kSync);
  ASSERT_EQ(recorder.sentences().size(), 1u);
  EXPECT_NE(recorder.sentences()[0].find("1.80,0.90,1.50"), std::string::npos);
}

// The $GPGSV group behind each $GPGSA, with elevation and azimuth from the
// last 1003 where it lists the satellite.
TEST_F(BinaryLinkTest, SatellitesInViewFollowTheChannelsWithTheLastSkyView) {
  ReceiverPrecision sky;  // 1e-4 radian: 5000 is 28.6 degrees, 40000 is 229.2, 62831 is 359.99
  sky.visible = {{7, 40000, 5000}, {30, 62831, 0}, {12, 1000, -1000}};
  ReceiverPrecision tooMany = sky;
  tooMany.visible.resize(13);
  struct Case {
    std::string precision;
    std::vector<ReceiverChannel> channels;
    std::vector<std::string> expected;  // bodies of the $GPGSV sentences
  };
  const Case cases[] = {
      {precisionMessage(sky), {{7, 7, 45}, {6, 30, 21}, {0, 9, 33}, {1, 12, 120}},
       {"GPGSV,1,1,04,07,29,229,45,30,00,000,21,09,,,33,12,,006,99"}},
      {test::cutToDataWords(precisionMessage(sky), 12), {{7, 7, 45}, {6, 30, 21}}, {"GPGSV,1,1,02,07,29,229,45,30,,,21"}},  // list cut short
      {precisionMessage(tooMany, 48), {{7, 7, 45}}, {"GPGSV,1,1,01,07,,,45"}},
      {precisionMessage(1, 2, 3), {}, {"GPGSV,1,1,00"}},
      {"", {{0, 16, 0}, {0, 16, 2}, {0, 16, 1}}, {"GPGSV,1,1,01,16,,,02"}},  // searched for on three channels
      {"", {{0, 1, 10}, {0, 2, 11}, {0, 0, 0}, {0, 3, 12}, {0, 4, 13}, {0, 5, 14}},
       {"GPGSV,2,1,05,01,,,10,02,,,11,03,,,12,04,,,13", "GPGSV,2,2,05,05,,,14"}},
  };
  for (const Case& c : cases) {
    Recorder satellites;
    satellites.link().assumeAwake();
    satellites.link().settings().satellitesInView = true;
    satellites.receive(c.precision + channelMessage(c.channels) + kSync);
    std::vector<std::string> bodies;
    for (const std::string& sentence : satellites.sentences()) {
      if (sentence.starts_with("$GPGSV")) bodies.push_back(sentence.substr(1, sentence.size() - 4));
    }
    EXPECT_EQ(bodies, c.expected) << c.expected.front();
  }
  // A 1002 one word short of the last C/No still gives its $GPGSA, and no group.
  link().settings().satellitesInView = true;
  recorder.receive(channelMessage({{1, 3, 40}}, 44) + kSync);
  ASSERT_EQ(recorder.sentences().size(), 1u);
  EXPECT_TRUE(recorder.sentences()[0].starts_with("$GPGSA"));
}

// --- Text mode -----------------------------------------------------------

TEST_F(ReceiverLinkTest, LineEndedByLFAloneLosesItsLastCharacter) {
  receive("EARTHA\nEARTHA\nEARTHA\n");  // each handed on as "EARTH"
  EXPECT_EQ(counts().lines, 3u);
  EXPECT_TRUE(recorder.writes().empty());
  receive("EARTHAx\nEARTHAx\nEARTHAx\n");
  EXPECT_EQ(recorder.writes().size(), 1u);
}

// The listener and the wake-up count the same lines: a start-up line after a
// stray fragment of binary (the tail of a message sent before the port
// opened) counts.
TEST_F(ReceiverLinkTest, AStartUpLineAfterAStrayBinaryFragmentCounts) {
  receive("\x12\x9A" + kLine);
  receive("noise EARTHA\r\n");
  receive("EARTH\r\n");
  EXPECT_TRUE(recorder.writes().empty());  // two start-up lines so far
  receive(kLine);
  EXPECT_EQ(recorder.writes().size(), 1u);
}

TEST_F(ReceiverLinkTest, LFAtTheStartHandsOnAnEmptyLine) {
  receive("\n" + kLine);
  EXPECT_EQ(counts().lines, 2u);
  EXPECT_EQ(link().bufferedBytes(), 0u);
}

TEST_F(ReceiverLinkTest, TextWithoutLineEndIsDroppedBeyond4096Bytes) {
  receive(std::string(4096, 'a'));
  EXPECT_EQ(link().bufferedBytes(), 4096u);
  receive("a");
  EXPECT_EQ(counts().droppedBytes, 4097u);
  receive(kLine);
  EXPECT_EQ(counts().lines, 1u);
}

// However it ends: each read of it may end in a sync pair still short of a header.
TEST_F(ReceiverLinkTest, TextEndingEachReadInASyncPairIsDroppedBeyond4096Bytes) {
  for (int read = 0; read < 300; ++read) receive(std::string(18, 'a') + "\xFF\x81");
  EXPECT_LE(link().bufferedBytes(), 4096u);
  EXPECT_GT(counts().droppedBytes, 0u);
}

TEST_F(ReceiverLinkTest, FFArrivingAfterTheLineSendsTheInitAsIfItHadComeWithIt) {
  recorder.receive(kLine + kLine + kLine);
  recorder.receive("after the reply\r\n");
  recorder.receive("");  // an empty read decides nothing
  EXPECT_EQ(recorder.writes().size(), 1u);
  recorder.receive(kSync);
  EXPECT_EQ(recorder.writes().size(), 2u);
}

TEST_F(ReceiverLinkTest, FFArrivingAfterTheReplyLineLeavesTheInitForTheFirstMessage) {
  recorder.receive(kLine + kLine + kLine);
  recorder.receive(otherMessage());
  EXPECT_EQ(recorder.writes().size(), 1u);
  recorder.receive(otherMessage());
  EXPECT_EQ(recorder.writes().size(), 2u);
}

TEST_F(ReceiverLinkTest, OtherByteAfterTheLineKeepsTextMode) {
  receive(kLine);
  receive("x" + kSync + "\r\n");
  EXPECT_EQ(counts().lines, 2u);
}

TEST_F(ReceiverLinkTest, ResetKeepsBufferedBytesAndScansThemAsText) {
  link().assumeAwake();
  receive("abc\r\nEARTHA");
  link().reset();
  receive("\r\n");
  EXPECT_EQ(counts().lines, 2u);
}

// A receiver woken before the host started sends binary with no line
// before it: its first sound header ends text mode, with no wake reply.
TEST_F(ReceiverLinkTest, ReceiverAlreadyTalkingBinaryIsFoundByItsFirstSoundHeader) {
  const std::string unsound = "\xFF\x81" + std::string(8, '\x01');
  for (const std::string& before : {std::string(), std::string("\x12junk"), unsound}) {
    Recorder fresh;
    fresh.receive(before + position(1) + position(2) + kSync);
    EXPECT_EQ(fresh.sentences().size(), 2u) << before.size();
    EXPECT_TRUE(fresh.writes().empty());
    EXPECT_EQ(fresh.link().counts().lines, 0u);
    EXPECT_EQ(fresh.link().counts().droppedBytes, before.size());
  }
}

TEST_F(ReceiverLinkTest, SyncPairAfterALineFeedOrWithoutItsTenBytesLeavesTheLineFirst) {
  receive("EARTHA\r\n" + position(1).substr(0, 9));
  EXPECT_EQ(counts().lines, 1u);  // the line came before the pair
  // A header whose word count, 10, is a line feed byte: until its ten bytes
  // are in, the line before it waits; then it proves sound and binary begins.
  Recorder partial;
  const std::string tenWords = MessageWords(10).build(1000);
  partial.receive("EARTHA" + tenWords.substr(0, 5));
  partial.receive(tenWords.substr(5) + position(1) + kSync);
  EXPECT_EQ(partial.link().counts().lines, 0u);
  EXPECT_EQ(partial.sentences().size(), 1u);
}

// --- Wake-up and initialisation -----------------------------------------

TEST_F(ReceiverLinkTest, ReplyGoesOutOnTheThirdEarthaLine) {
  recorder.receive("EARTHA\r\nEARTHA more\r\n");
  EXPECT_TRUE(recorder.writes().empty());
  recorder.receive("eartha\r\nEARTH\r\n");
  EXPECT_TRUE(recorder.writes().empty());
  recorder.receive(kLine);
  EXPECT_EQ(recorder.writes(), std::vector<std::string>{"45 41 52 54 48 41 0D 0A"});
  EXPECT_FALSE(link().initialised());
}

TEST_F(ReceiverLinkTest, InitGoesOutWithTheLineBeforeTheFirstBinaryByte) {
  recorder.receive(kLine + kLine + kLine);
  recorder.receive("junk line\r\n" + kSync);
  ASSERT_EQ(recorder.writes().size(), 2u);
  EXPECT_TRUE(link().initialised());
}

TEST_F(ReceiverLinkTest, InitGoesOutWithTheFirstAcceptedMessageWhenTheReplyLineEndsText) {
  recorder.receive(kLine + kLine + kLine + otherMessage());
  ASSERT_EQ(recorder.writes().size(), 1u);
  recorder.receive(otherMessage());
  ASSERT_EQ(recorder.writes().size(), 2u);
  EXPECT_EQ(recorder.writes()[1].size(), 54u * 3 - 1);
}

TEST_F(ReceiverLinkTest, WorkedExampleExchangeSendsTheDocumentedBytes) {
  recorder.receive(kLine + kLine + kLine + position() + kSync);
  const std::vector<std::string> expected{
      "TX 45 41 52 54 48 41 0D 0A",
      "TX FF 81 B0 04 15 00 00 00 3C 79 01 00 0D 00 00 00 00 00 00 00 06 00 0C 00 EA 07 03 00 "
      "1E 00 0F 00 00 00 6A 04 00 00 96 F8 00 00 00 00 00 00 00 00 00 00 00 00 C6 FA",
      "$GPRMC,000000,A,0000.0000,N,00000.0000,E,00.00,000.0,010100,00.0,E*46"};
  EXPECT_EQ(recorder.transcript(), expected);
}

TEST_F(ReceiverLinkTest, ReceiverTalkingBinaryBeforeItsThirdLineIsNeverAnswered) {
  recorder.receive(kLine + kLine + position() + position() + kSync);
  EXPECT_TRUE(recorder.writes().empty());
  EXPECT_EQ(recorder.sentences().size(), 2u);
}

TEST_F(ReceiverLinkTest, PositionSettingsShapeTheMessage) {
  link().settings().latitude = "33.9";
  link().settings().latHemisphere = "S";
  link().settings().longitude = 0;
  recorder.receive(kLine + kLine + kLine + otherMessage() + otherMessage());
  ASSERT_EQ(recorder.writes().size(), 2u);
  EXPECT_EQ(recorder.writes()[1].substr(3 * 34, 11), "79 FC 00 00");  // 64633, then zero
  EXPECT_EQ(recorder.writes()[1].substr(3 * 38, 5), "00 00");
}

TEST_F(ReceiverLinkTest, LowerCaseHemisphereIsNorthernAndNonNumericLatitudeCountsByItsBeginning) {
  const auto latitudeWordFor = [](const std::string& latitude, const std::string& hemisphere) {
    Recorder local;
    local.link().settings().latitude = latitude;
    local.link().settings().latHemisphere = hemisphere;
    local.receive(kLine + kLine + kLine + otherMessage() + otherMessage());
    return local.writes().at(1).substr(3 * 34, 5);
  };
  EXPECT_EQ(latitudeWordFor("42.4413", "s"), "6A 04");
  EXPECT_EQ(latitudeWordFor("42.4413xyz", "N"), "6A 04");
  EXPECT_EQ(latitudeWordFor("north", "N"), "00 00");
}

TEST_F(ReceiverLinkTest, SequenceNumberCountsAcrossResets) {
  const std::string exchange = kLine + kLine + kLine + otherMessage() + otherMessage();
  recorder.receive(exchange);
  link().reset();
  recorder.receive("\r\n" + exchange);  // the old session's last bytes end as a line
  const auto writes = recorder.writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[1].substr(30, 5), "01 00");
  EXPECT_EQ(writes[3].substr(30, 5), "02 00");
}

TEST_F(ReceiverLinkTest, ResetReturnsToTheStartButKeepsTheDilutions) {
  link().assumeAwake();
  recorder.receive(precisionMessage(250, 0, 0) + position() + kSync);
  EXPECT_TRUE(link().receiverSettled());  // found talking binary
  link().addmsg("left over");
  link().reset();
  EXPECT_EQ(link().getmsg(), "");
  EXPECT_FALSE(link().receiverSettled());
  // Found talking binary again, it reports with the dilutions it sent before.
  recorder.receive(channelMessage({{1, 7}}) + kSync);
  ASSERT_EQ(recorder.sentences().size(), 2u);
  EXPECT_NE(recorder.sentences()[1].find(",07,,,,,,,,,,,,2.50,0.00,0.00*"), std::string::npos)
      << recorder.sentences()[1];
}

// --- The draining receive event ------------------------------------------

TEST_F(BinaryLinkTest, ReceiveDrainsABurstAndReportsAfterEachStepWithSentencesWaiting) {
  int reports = 0;
  link().receive(position(1) + position(2) + position(3) + kSync, [&] {
    ++reports;
    return true;
  });
  EXPECT_EQ(reports, 4);  // three steps that took a message, and the last one that found none
  int waiting = 0;
  for (; link().sentencesWaiting(); ++waiting) link().getmsg();
  EXPECT_EQ(waiting, 3);
}

TEST_F(BinaryLinkTest, HostTakingOneSentencePerReportKeepsUp) {
  std::vector<std::string> taken;
  link().receive(position(1) + position(2) + position(3) + kSync, [&] {
    taken.push_back(link().getmsg());
    return true;
  });
  EXPECT_EQ(taken.size(), 3u);
  EXPECT_FALSE(link().sentencesWaiting());
}

TEST(ReceiverLinkLifetime, OwnerMayDestroyTheLinkFromTheReport) {
  auto link = std::make_unique<ReceiverLink>([] { return test::workedExampleClock(); },
                                             [](std::string_view) {});
  link->assumeAwake();
  int reports = 0;
  const bool alive = link->receive(position(1) + position(2) + kSync, [&] {
    ++reports;
    link.reset();
    return false;
  });
  EXPECT_FALSE(alive);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(link, nullptr);
}

}  // namespace
}  // namespace vx
