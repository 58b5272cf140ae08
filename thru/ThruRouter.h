#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "midi/MidiPort.h"

namespace tonalyx {

// A program change that arrived on the input, with the bank select that came
// before it since the last program change, if any.
struct ProgramRequest {
  int program = 0;
  std::optional<int> bank_msb;
  std::optional<int> bank_lsb;
};

// Where the input's channel messages go: notes, aftertouch, pitch bend and
// controllers of any channel to the one channel being auditioned; a program
// change is handed back instead, to select a tone. A note-off goes to the
// channel its note-on went to, even when the auditioned channel has changed
// since, and a sustain pedal let go is let go on every channel it holds down,
// so what the keyboard holds can always be ended. Not thread-safe.
class ThruRouter {
 public:
  // Sends `message` (a channel message) to `port` on `channel` (0..15).
  std::optional<ProgramRequest> Route(std::uint32_t message, int channel, MidiPort& port);
  // Ends every note the keyboard holds and lets go of every sustain pedal.
  void EndHeld(MidiPort& port);

 private:
  // By input channel and note: the output channel + 1 the note went to, or 0.
  std::array<std::array<std::uint8_t, 128>, 16> held_{};
  std::array<bool, 16> pedal_down_{};
  std::optional<int> bank_msb_;
  std::optional<int> bank_lsb_;
};

}  // namespace tonalyx
