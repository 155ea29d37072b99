// SPDX-License-Identifier: MIT
// The receiver link: everything between the serial bytes and the sentences,
// with no I/O of its own.
//
// Bytes go in through receive(); bytes for the receiver come out through
// the writer; finished NMEA sentences wait for the host, who takes them
// with getmsg() or takeSentence(). The clock and the writer are injected.
//
// The line is used two ways. After power-up the receiver sends text lines
// (text mode), which go to the wake-up. Once a line is followed by the byte
// 0xFF the link is in binary mode: 16-bit little-endian messages behind the
// sync bytes 0xFF 0x81, each accepted only once the first byte of the next
// message has arrived. A receiver that already talks binary when the link
// starts (or resets) is found by its first sound header.
//
// Protocol errors are never raised: they drop data. A header or a message
// whose checksum does not hold is dropped, and so is a message that no
// sync byte follows; the link counts what it drops (counts()).
#pragma once

#include <cstdint>
#include <limits>
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

// What a link has made of its input over its life; a reset keeps them.
struct ReceiveCounts {
  uint64_t lines = 0;     // text lines handed to the wake-up
  uint64_t messages = 0;  // binary messages accepted
  // Headers and messages dropped: a checksum that does not hold, an id or
  // a length out of range, or no sync byte behind the message.
  uint64_t damagedMessages = 0;
  // Bytes skipped looking for the start of a message, and text dropped
  // for want of a line end.
  uint64_t droppedBytes = 0;
};

class ReceiverLink {
  // A message's id and its data length (the data words and the checksum,
  // in bytes) are kept as signed 16-bit numbers; a header whose id or
  // length does not fit is damaged.
  static constexpr uint16_t kLargestMessageId = std::numeric_limits<int16_t>::max();
  static constexpr uint16_t kLargestWordCount = std::numeric_limits<int16_t>::max() / 2 - 1;

 public:
  // The most bytes a link holds once a receive has returned: the data of
  // the longest message it takes. Text and junk are cut off far sooner.
  static constexpr std::size_t kLargestBuffer = 2 * (std::size_t{kLargestWordCount} + 1);

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

  // The receive event for one read of input: takes from it (and from what
  // earlier reads left) every line and message it completes, one at a
  // time, and calls `waiting` after each that leaves sentences queued.
  // Returns false if `waiting` did (the link no longer exists).
  bool receive(std::string_view input, SentencesWaiting waiting) {
    // The serial line's usual read is one byte in the middle of a message.
    // It completes nothing, so it is stored here, inline, without the
    // steps that would find nothing to take.
    if (input.size() == 1 && nextByteOnlyWaits()) {
      lineJustEnded_ = false;
      buffer_.append(input);
      return !sentencesWaiting() || waiting();
    }
    return receiveInSteps(input, waiting);
  }

  // Back to text mode, not woken, an empty queue. The received bytes not
  // yet taken, the counts, the sequence counter, the dilutions and what
  // the receiver last reported of its satellites stay.
  void reset();

  // Starts in binary mode, for a receiver that was woken earlier.
  void assumeAwake() { linkMode_ = kBinaryMode; }

  void addmsg(std::string_view sentence) { queue_.add(sentence); }
  std::string getmsg() { return std::string(queue_.take()); }
  // getmsg without a copy: the text stays valid until the link next
  // receives or adds a sentence.
  std::string_view takeSentence() { return queue_.take(); }
  bool sentencesWaiting() const { return !queue_.empty(); }

  // The initialisation message has gone out since the last reset.
  bool initialised() const { return wakeUp_.state() == WakeUp::kInitialised; }
  // The receiver has what it needs from the link: its initialisation went
  // out, or it was found talking binary without having been woken.
  bool receiverSettled() const {
    return initialised() || (linkMode_ == kBinaryMode && wakeUp_.state() == WakeUp::kNotWoken);
  }

  const ReceiveCounts& counts() const { return counts_; }
  // Received bytes not yet taken: at most kLargestBuffer between receives.
  std::size_t bufferedBytes() const { return buffer_.size(); }

 private:
  enum LinkMode : int16_t { kTextMode = 0, kBinaryMode = 1 };
  enum FramePhase : int16_t { kDataExpected = 0, kHeaderExpected = 1 };

  // Without a sync pair, up to this many bytes wait for one.
  static constexpr std::size_t kResyncLimit = 250;
  // In text mode a buffer this long with no LF is dropped.
  static constexpr std::size_t kLineLimit = 4096;

  bool receiveInSteps(std::string_view input, SentencesWaiting waiting);
  // One step: appends `input`, then takes at most one line (text mode) or
  // at most one message (binary mode). True when it took anything, so
  // that another step may take more.
  bool step(std::string_view input);
  void takeNext();
  // In binary mode one more byte that leaves the buffer no longer than the
  // header or the message expected completes neither: a step would take
  // nothing.
  bool nextByteOnlyWaits() const {
    if (linkMode_ != kBinaryMode) return false;
    return buffer_.size() < (framePhase_ == kHeaderExpected ? kHeaderBytes : dataLength_);
  }
  void noteBinaryAfterLine(std::string_view input);
  HeaderSearch::Result findRunningReceiver();
  void lineStep();
  void headerStep();  // a header expected and more than its ten bytes here
  void dataStep();    // data expected and more than its bytes here
  void resynchronise();
  void dropBytes(std::size_t count);
  void handleMessage(std::string_view message);
  void addSatelliteSentences();

  LinkSettings settings_;
  LocalClock clock_;
  ByteWriter writer_;

  ReceiveBuffer buffer_;
  ReceiveCounts counts_;
  LinkMode linkMode_ = kTextMode;
  FramePhase framePhase_ = kHeaderExpected;
  // A line was just taken and left the buffer empty: the first byte that
  // arrives next decides, as if it had been there, whether binary begins.
  // Without this, a reader that gets the line's LF before the receiver's
  // first 0xFF would never leave text mode.
  bool lineJustEnded_ = false;
  std::string header_;
  uint16_t messageId_ = 0;
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
