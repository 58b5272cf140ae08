#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tonalyx {

// Turns the bytes of a MIDI input, in whatever pieces they come, into whole
// channel messages packed as ShortMessage packs them. Running status is
// followed; real-time bytes are dropped wherever they fall; system exclusive
// and the other system messages are skipped with their data; a message cut
// short by the next status byte is dropped. Holds no more than one message.
class MidiInputParser {
 public:
  // The channel message that `byte` completes, if any.
  std::optional<std::uint32_t> Take(std::uint8_t byte);

 private:
  // The status whose data bytes are being collected: a channel status, or a
  // system one whose data is skipped, or 0 (data bytes are dropped).
  int status_ = 0;
  bool channel_ = false;
  int needed_ = 0;
  int have_ = 0;
  std::array<int, 2> data_{};
};

}  // namespace tonalyx
