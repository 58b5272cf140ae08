#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "audition/SoundEdits.h"
#include "midi/MidiPort.h"

namespace tonalyx {

// Short messages built on the stack, so a press allocates nothing: room for
// every drum parameter as an NRPN and the null parameter after them.
class MessageList {
 public:
  static constexpr std::size_t kCapacity = 3 * kDrumParameterCount + 2;
  void Add(std::uint32_t message) { messages_[count_++] = message; }
  std::span<const std::uint32_t> Messages() const { return {messages_.data(), count_}; }

 private:
  std::array<std::uint32_t, kCapacity> messages_{};
  std::size_t count_ = 0;
};

// The part parameters on `channel` (0..15) as the module type and GS map take
// them, each an NRPN (CC 99 = 01, CC 98 = its LSB, CC 6 = value + 64, the
// value brought within the map's range), then the null parameter (CC 101 and
// CC 100 = 7F); nothing for GM and GM2 or when no parameter is given.
// `parameters` chooses which; PartEditMessages takes those a press sends.
MessageList PartChangeMessages(const SoundEdits& edits, std::span<const PartParameter> parameters,
                               ModuleKind type, int map_index, int channel);
// What a press sends of the part parameters: every one that is not 0 or was
// moved since the last reset, then the null parameter. Also the messages of
// the current edits for a channel, wherever they are to be played.
MessageList PartEditMessages(const SoundEdits& edits, ModuleKind type, int map_index, int channel);

// The drum parameters of `kit`'s note on `channel`, each that is set and that
// the module type takes as an NRPN (CC 99 = its MSB, CC 98 = the note, CC 6 =
// its data), then the null parameter; nothing when none is left.
MessageList DrumChangeMessages(const SoundEdits& edits, std::span<const DrumParameter> parameters,
                               ModuleKind type, int kit, int note, int channel);
// What a drum press sends of the note's edits.
MessageList DrumEditMessages(const SoundEdits& edits, ModuleKind type, int kit, int note,
                             int channel);

// Sends a press's messages with `inserted` just before its last one, the
// note on.
void SendBeforeNoteOn(MidiPort& port, std::span<const std::uint32_t> press,
                      std::span<const std::uint32_t> inserted);

}  // namespace tonalyx
