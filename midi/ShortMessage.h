#pragma once

#include <cstdint>

namespace tonalyx {

// Channel message kinds: the high half of a status byte.
inline constexpr int kNoteOff = 0x80;
inline constexpr int kNoteOn = 0x90;
inline constexpr int kPolyPressure = 0xA0;
inline constexpr int kControlChange = 0xB0;
inline constexpr int kProgramChange = 0xC0;
inline constexpr int kPitchBend = 0xE0;

// Channels as the low half of a status byte counts them: the tone auditions
// play on channel 1, the drum auditions on the rhythm channel 10.
inline constexpr int kToneChannel = 0;
inline constexpr int kRhythmChannel = 9;

// Controllers that select and set a parameter: registered (RPN) and
// non-registered (NRPN) parameter numbers, then the value by data entry.
// Number 7F/7F is the null parameter, after which data entry changes nothing.
inline constexpr int kDataEntryMsb = 0x06;
inline constexpr int kNrpnLsb = 0x62;
inline constexpr int kNrpnMsb = 0x63;
inline constexpr int kRpnLsb = 0x64;
inline constexpr int kRpnMsb = 0x65;
inline constexpr int kNullParameter = 0x7F;

// A MIDI short message packed the way the port sends it: status in bits 0-7,
// first data byte in bits 8-15, second data byte in bits 16-23. The data bytes
// come from controls that already keep them in 0..127, so nothing is masked.
constexpr std::uint32_t ShortMessage(int status, int data1, int data2 = 0) {
  return static_cast<std::uint32_t>(status) + static_cast<std::uint32_t>(data1) * 256u +
         static_cast<std::uint32_t>(data2) * 65536u;
}

// Pitch bend from a signed bend of -8192..8191: offset to 0..16383, then split
// into the low and high seven bits.
constexpr std::uint32_t PitchBendMessage(int status, int signed_bend) {
  const int value = signed_bend + 8192;
  return ShortMessage(status, value % 128, value / 128);
}

// Control change 120 (All Sound Off) on the rhythm channel 10.
constexpr std::uint32_t AllSoundOffDrums = 0x78B9;

constexpr int StatusByte(std::uint32_t message) { return static_cast<int>(message & 0xFF); }
constexpr int Data1(std::uint32_t message) { return static_cast<int>((message >> 8) & 0xFF); }
constexpr int Data2(std::uint32_t message) { return static_cast<int>((message >> 16) & 0xFF); }

// How many bytes of a packed message go on the wire, decided by its status
// byte: program change, channel pressure, time code quarter frame and song
// select carry one data byte, the other channel messages and song position two,
// the remaining system messages none. A value below 0x80 is no status byte, and
// F0/F7 belong to system exclusive messages: those give 0 (nothing to send).
constexpr int ShortMessageLength(std::uint32_t message) {
  const int status = StatusByte(message);
  if (status < 0x80) return 0;
  if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 2 : 3;
  switch (status) {
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    case 0xF0:
    case 0xF7:
      return 0;
    default:
      return 1;
  }
}

}  // namespace tonalyx
