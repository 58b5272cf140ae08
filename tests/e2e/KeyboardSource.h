#pragma once

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace tonalyx {

// A JACK client standing in for a keyboard and, optionally, the sound module
// it plays: each Send becomes one JACK MIDI event on "<client>:out", written
// in the next process cycle, so the bytes go out exactly as given (cut short,
// running status, system exclusive in pieces); what arrives on "<client>:in"
// is followed note by note, however fast it comes.
class KeyboardSource {
 public:
  // Registers "<client>:out"; Ok() tells whether that worked.
  explicit KeyboardSource(const char* client);
  ~KeyboardSource();
  KeyboardSource(const KeyboardSource&) = delete;
  KeyboardSource& operator=(const KeyboardSource&) = delete;

  bool Ok() const { return port_ != nullptr; }
  std::string PortName() const;
  // Queues one event; false when the queue is full.
  bool Send(const std::vector<std::uint8_t>& bytes);
  // True once every queued event has been written into a cycle.
  bool Drained() const;
  std::string InputName() const { return port_ ? jack_port_name(in_) : ""; }
  // Note-ons that arrived on the input, and those not ended yet (by a note-off
  // or All Notes Off / All Sound Off on their channel).
  int NotesReceived() const { return notes_received_.load(); }
  int NotesSounding() const;

 private:
  static int Process(jack_nframes_t frames, void* self);

  jack_client_t* client_ = nullptr;
  void Follow(const jack_midi_data_t* bytes, std::size_t size);

  jack_port_t* port_ = nullptr;
  jack_port_t* in_ = nullptr;
  // By channel and note: note-ons not yet ended. Written by the process
  // thread only.
  std::array<std::atomic<int>, 16 * 128> sounding_{};
  std::atomic<int> notes_received_{0};
  jack_ringbuffer_t* queue_ = nullptr;
};

}  // namespace tonalyx
