// SPDX-License-Identifier: MIT
// The receiver link: everything between the serial bytes and the sentences,
// with no I/O of its own.
//
// Bytes go in through receive() (or procinput() for a single step); bytes
// for the receiver come out through the writer; finished NMEA sentences
// wait in the queue for the host. The clock and the writer are injected.
//
// The line is used two ways. After power-up the receiver sends text lines
// (text mode): one line is taken per step and handed to the wake-up. Once a
// line is followed by the byte 0xFF the link is in binary mode: 16-bit
// little-endian messages behind the sync bytes 0xFF 0x81, one accepted per
// step, and only once the first byte of the next message has arrived.
// A header or a message whose checksum does not hold is dropped, and so is
// a message that no sync byte follows. A receiver that already talks binary
// when the link starts (or resets) is found by its first sound header.
// Protocol errors are never reported: they drop data.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "control/core/date_time.h"
#include "control/core/link_settings.h"
#include "control/core/nmea_sentences.h"
#include "control/core/receive_buffer.h"
#include "control/core/sentence_queue.h"
#include "control/core/sync_scan.h"
#include "control/core/wake_up.h"

namespace vx {

class ReceiverLink {
 public:
  enum LinkMode : int16_t { kTextMode = 0, kBinaryMode = 1 };
  enum FramePhase : int16_t { kDataExpected = 0, kHeaderExpected = 1 };

  static constexpr std::size_t kHeaderBytes = vx::kHeaderBytes;
  // Without a sync pair, up to this many bytes wait for one.
  static constexpr std::size_t kResyncLimit = 250;
  // In text mode a buffer this long with no LF is dropped.
  static constexpr std::size_t kLineLimit = 4096;

  // Called while sentences are waiting. Returns false when the owner went
  // away meanwhile (a host may destroy the control from its handler); the
  // link is then gone too and must not be touched. It refers to the
  // caller's callable for the length of one receive: nothing is copied or
  // allocated, so a read of one byte costs no more than the byte.
  class SentencesWaiting {
   public:
    template <typename Callable>
      requires std::is_invocable_r_v<bool, const Callable&>
    SentencesWaiting(const Callable& callable)  // implicit: receive(bytes, [&] { ... })
        : callable_(&callable), call_([](const void* c) { return (*static_cast<const Callable*>(c))(); }) {}
    bool operator()() const { return call_(callable_); }

   private:
    const void* callable_;
    bool (*call_)(const void*);
  };

  ReceiverLink(LocalClock clock, ByteWriter writer);
  ReceiverLink(const ReceiverLink&) = delete;
  ReceiverLink& operator=(const ReceiverLink&) = delete;

  // The clock the next wake reply reads.
  void setClock(LocalClock clock) { clock_ = std::move(clock); }

  // Settings the next wake reply reads.
  LinkSettings& settings() { return settings_; }
  const LinkSettings& settings() const { return settings_; }

  // The receive event for one read of input: runs procinput with it, then
  // with no new input for as long as the previous step consumed anything,
  // and calls `waiting` after each step that leaves sentences queued.
  // Returns false if `waiting` did (the link no longer exists).
  bool receive(std::string_view input, SentencesWaiting waiting) {
    // The serial line's usual read is one byte in the middle of a message.
    // procinput would only store it, so it is stored here, inline, without
    // the steps that would find nothing to take.
    if (input.size() == 1 && nextByteOnlyWaits()) {
      lineJustEnded_ = false;
      buffer_.append(input);
      return !sentencesWaiting() || waiting();
    }
    return receiveInSteps(input, waiting);
  }

  // One step of a receive event: procinput(input); true when it took
  // anything from the buffer, so that another step may take more.
  bool step(std::string_view input) {
    const uint64_t consumedBefore = buffer_.consumedTotal();
    procinput(input);
    return buffer_.consumedTotal() != consumedBefore;
  }

  // One step: appends `input`, then takes at most one line (text mode) or
  // at most one message (binary mode).
  void procinput(std::string_view input);

  // Back to text mode with a header expected, not woken, an empty queue.
  // The receive buffer, the sequence counter, the dilutions and what the
  // receiver last reported of its satellites stay.
  void reset();

  // Starts in binary mode, for a receiver that was woken earlier.
  void assumeAwake() { linkMode_ = kBinaryMode; }

  void addmsg(std::string_view sentence) { queue_.add(sentence); }
  std::string getmsg() { return std::string(queue_.take()); }
  // getmsg without a copy: the text stays valid until the link next
  // receives or adds a sentence.
  std::string_view takeSentence() { return queue_.take(); }
  bool sentencesWaiting() const { return !queue_.empty(); }

  LinkMode linkMode() const { return linkMode_; }
  FramePhase framePhase() const { return framePhase_; }
  std::size_t bufferedBytes() const { return buffer_.size(); }
  const WakeUp& wakeUp() const { return wakeUp_; }
  const SentenceQueue& queue() const { return queue_; }
  const DilutionsOfPrecision& dilutions() const { return dilutions_; }
  // The channels of the last message 1002 that held them all.
  const ChannelReport& channels() const { return channels_; }
  // The satellites in view of the last message 1003.
  const SkyView& skyView() const { return skyView_; }

 private:
  HeaderSearch::Result findRunningReceiver();
  bool receiveInSteps(std::string_view input, SentencesWaiting waiting);
  // In binary mode one more byte that leaves the buffer no longer than the
  // header or the message expected completes neither: procinput's steps
  // would take nothing.
  bool nextByteOnlyWaits() const {
    if (linkMode_ != kBinaryMode) return false;
    return buffer_.size() < (framePhase_ == kHeaderExpected ? kHeaderBytes : dataLength_);
  }
  void lineStep();
  void headerStep();  // a header expected and more than its ten bytes here
  void dataStep();    // data expected and more than its bytes here
  void resynchronise();
  void handleMessage(std::string_view message);
  void addSatelliteSentences();

  LinkSettings settings_;
  LocalClock clock_;
  ByteWriter writer_;

  ReceiveBuffer buffer_;
  LinkMode linkMode_ = kTextMode;
  FramePhase framePhase_ = kHeaderExpected;
  // A line was just taken and left the buffer empty: the first byte that
  // arrives next decides, as if it had been there, whether binary begins.
  // Without this, a reader that gets the line's LF before the receiver's
  // first 0xFF would never leave text mode.
  bool lineJustEnded_ = false;
  std::string header_;
  int messageId_ = 0;
  std::size_t dataLength_ = 0;
  std::string message_;
  SentenceText sentence_;  // the sentence being made

  WakeUp wakeUp_;
  DilutionsOfPrecision dilutions_;
  ChannelReport channels_{};
  SkyView skyView_;
  SentenceQueue queue_;
};

}  // namespace vx
