#include "thru/ThruRouter.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {
constexpr int kSustain = 64;
constexpr int kBankMsb = 0;
constexpr int kBankLsb = 32;
}  // namespace

std::optional<ProgramRequest> ThruRouter::Route(std::uint32_t message, int channel,
                                                MidiPort& port) {
  const int kind = StatusByte(message) & 0xF0;
  const int from = StatusByte(message) & 0x0F;
  const int data1 = Data1(message);
  const int data2 = Data2(message);
  std::uint8_t& held =
      held_[static_cast<std::size_t>(from)][static_cast<std::size_t>(data1 & 0x7F)];
  const bool note_on = kind == kNoteOn && data2 > 0;
  const bool note_off = kind == kNoteOff || (kind == kNoteOn && data2 == 0);

  int to = channel;
  if (note_off || kind == kPolyPressure) {
    if (held != 0) to = held - 1;
    if (note_off) held = 0;
  } else if (note_on) {
    // The same key again before its release: end the note where it sounds.
    if (held != 0 && held - 1 != to) port.SendShort(ShortMessage(kNoteOff | (held - 1), data1, 0));
    held = static_cast<std::uint8_t>(to + 1);
  } else if (kind == kProgramChange) {
    ProgramRequest request{data1, bank_msb_, bank_lsb_};
    bank_msb_.reset();
    bank_lsb_.reset();
    return request;
  } else if (kind == kControlChange) {
    if (data1 == kBankMsb) bank_msb_ = data2;
    if (data1 == kBankLsb) bank_lsb_ = data2;
    if (data1 == kSustain && data2 >= 64) pedal_down_[static_cast<std::size_t>(to)] = true;
    if (data1 == kSustain && data2 < 64) {
      for (int other = 0; other < 16; ++other) {
        if (!pedal_down_[static_cast<std::size_t>(other)] || other == to) continue;
        port.SendShort(ShortMessage(kControlChange | other, kSustain, 0));
      }
      pedal_down_.fill(false);
    }
  }
  port.SendShort(ShortMessage(kind | to, data1, data2));
  return std::nullopt;
}

void ThruRouter::EndHeld(MidiPort& port) {
  for (std::size_t from = 0; from < held_.size(); ++from) {
    for (std::size_t note = 0; note < held_[from].size(); ++note) {
      std::uint8_t& held = held_[from][note];
      if (held == 0) continue;
      port.SendShort(ShortMessage(kNoteOff | (held - 1), static_cast<int>(note), 0));
      held = 0;
    }
  }
  for (int channel = 0; channel < 16; ++channel) {
    if (pedal_down_[static_cast<std::size_t>(channel)])
      port.SendShort(ShortMessage(kControlChange | channel, kSustain, 0));
  }
  pedal_down_.fill(false);
}

}  // namespace tonalyx
