#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyx {

// The bytes of one complete MIDI message: a channel message (status and its
// data bytes) or a system exclusive message from F0 to F7.
using MidiBytes = std::vector<std::uint8_t>;

// A packed short message (midi/ShortMessage.h) as its bytes on the wire.
MidiBytes ShortMessageBytes(std::uint32_t message);

// A message of a track at its time in ticks.
struct TimedMessage {
  std::uint32_t tick;
  MidiBytes bytes;
};

// The time base every file is written in: 480 ticks per quarter note, 120
// quarter notes per minute, four quarters to the bar.
inline constexpr std::uint32_t kTicksPerQuarter = 480;
inline constexpr std::uint32_t kTicksPerBar = 4 * kTicksPerQuarter;

// A Standard MIDI File of format 0: one track holding, at tick 0, its name
// (UTF-8), the tempo and the time signature, then the messages in the order
// given (their ticks must not decrease), each whole, without running status,
// and the end of the track at end_tick.
std::string StandardMidiFile(std::string_view track_name, std::span<const TimedMessage> messages,
                             std::uint32_t end_tick);

}  // namespace tonalyx
