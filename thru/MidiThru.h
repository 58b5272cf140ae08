#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <thread>

#include "midi/InputBackend.h"
#include "midi/MidiPort.h"
#include "thru/MessageRing.h"
#include "thru/ThruRouter.h"
#include "thru/WakeSignal.h"

namespace tonalyx {

// Plays the MIDI input through the output port: the one input device open,
// what it sends routed by ThruRouter to the auditioned channel, and its
// program changes handed to a listener.
//
// Three threads meet here. The input service's thread only takes the channel
// message of each delivery and queues it in a fixed ring, waking the thru
// thread without waiting for anything: it may be JACK's process thread,
// which must never wait for a lock that the window thread holds while it
// opens or closes a device (a JACK close waits out a few periods). A thru
// thread of our own takes the messages from the ring and sends them under the
// port's lock, so a note never waits for the window thread, however busy it
// is repainting. The window thread opens and closes the input, says which
// channel is auditioned and ends held notes.
class MidiThru {
 public:
  // Runs on the thru thread; it must hand the request on, not act on widgets.
  using ProgramListener = std::function<void(const ProgramRequest& request)>;

  explicit MidiThru(MidiPort& port) : port_(port) {}
  ~MidiThru();
  MidiThru(const MidiThru&) = delete;
  MidiThru& operator=(const MidiThru&) = delete;

  void SetProgramListener(ProgramListener listener) { listener_ = std::move(listener); }
  // Closes the open input, if any, then opens device `id` of `backend`.
  bool Open(MidiInputBackend& backend, int id);
  // Closes the input and ends the notes it holds.
  void Close();
  bool IsOpen() const { return backend_ != nullptr; }

  // Channel 10 while true, channel 1 otherwise.
  void SetDrumChannel(bool drums) { drums_.store(drums); }
  // Ends every note the input holds and lets go of the sustain pedal.
  void EndHeldNotes();
  // Ends held notes and drops whatever arrives until Resume: the output is
  // about to close and open again.
  void Pause();
  void Resume();
  // True when every message that arrived has been passed on (and every
  // program change handed to the listener).
  bool Drained() const { return ring_.Empty(); }

 private:
  void Receive(std::span<const std::uint8_t> delivery);
  void Run();
  void Forward(std::uint32_t message);
  void StopThread();

  MidiPort& port_;
  ProgramListener listener_;
  MidiInputBackend* backend_ = nullptr;

  // From the input's thread (the only producer) to the thru thread.
  MessageRing ring_;
  // The ring was full and a message was lost: once the messages queued
  // before it are passed on, the notes held are ended, since a lost note-off
  // would leave one sounding.
  std::atomic<bool> overflowed_{false};
  // Counts what the thru thread is woken for: messages, an overflow, a stop.
  WakeSignal wake_;
  std::atomic<bool> running_{false};
  std::atomic<bool> drums_{false};
  std::thread thread_;

  // Guards the router and `paused_`; taken before the port's own lock.
  std::mutex mutex_;
  ThruRouter router_;
  bool paused_ = false;
};

}  // namespace tonalyx
