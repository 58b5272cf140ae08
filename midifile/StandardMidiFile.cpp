#include "midifile/StandardMidiFile.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kTrackName = 0x03;
constexpr std::uint8_t kTempo = 0x51;
constexpr std::uint8_t kTimeSignature = 0x58;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kSysExStart = 0xF0;
// A quarter note at 120 per minute, in microseconds.
constexpr std::uint32_t kQuarterMicroseconds = 500000;

void Append32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void Append16(std::string& out, std::uint32_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

// A variable-length quantity: seven bits a byte, most significant first, every
// byte but the last with its top bit set.
void AppendVariable(std::string& out, std::uint32_t value) {
  char bytes[5];
  int count = 0;
  do {
    bytes[count++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out += static_cast<char>(bytes[--count] | 0x80);
  out += bytes[0];
}

void AppendMeta(std::string& track, std::uint8_t type, std::string_view data) {
  track += static_cast<char>(kMeta);
  track += static_cast<char>(type);
  AppendVariable(track, static_cast<std::uint32_t>(data.size()));
  track += data;
}

void AppendMessage(std::string& track, const MidiBytes& bytes) {
  if (bytes.empty()) return;
  const auto* data = reinterpret_cast<const char*>(bytes.data());
  if (bytes.front() == kSysExStart) {
    // F0, then the length of what follows it, then the rest up to F7.
    track += static_cast<char>(kSysExStart);
    AppendVariable(track, static_cast<std::uint32_t>(bytes.size() - 1));
    track.append(data + 1, bytes.size() - 1);
    return;
  }
  track.append(data, bytes.size());
}

}  // namespace

MidiBytes ShortMessageBytes(std::uint32_t message) {
  MidiBytes bytes;
  const int length = ShortMessageLength(message);
  for (int i = 0; i < length; ++i) bytes.push_back(static_cast<std::uint8_t>(message >> (8 * i)));
  return bytes;
}

std::string StandardMidiFile(std::string_view track_name, std::span<const TimedMessage> messages,
                             std::uint32_t end_tick) {
  std::string track;
  AppendVariable(track, 0);
  AppendMeta(track, kTrackName, track_name);
  AppendVariable(track, 0);
  std::string tempo;
  for (int shift = 16; shift >= 0; shift -= 8)
    tempo += static_cast<char>((kQuarterMicroseconds >> shift) & 0xFF);
  AppendMeta(track, kTempo, tempo);
  AppendVariable(track, 0);
  // 4/4: numerator 4, denominator 2^2, 24 clocks a metronome click, 8
  // thirty-second notes a quarter.
  AppendMeta(track, kTimeSignature, std::string_view("\x04\x02\x18\x08", 4));

  std::uint32_t now = 0;
  for (const TimedMessage& message : messages) {
    AppendVariable(track, message.tick - now);
    AppendMessage(track, message.bytes);
    now = message.tick;
  }
  AppendVariable(track, end_tick > now ? end_tick - now : 0);
  AppendMeta(track, kEndOfTrack, {});

  std::string file = "MThd";
  Append32(file, 6);
  Append16(file, 0);  // format 0
  Append16(file, 1);  // one track
  Append16(file, kTicksPerQuarter);
  file += "MTrk";
  Append32(file, static_cast<std::uint32_t>(track.size()));
  return file + track;
}

}  // namespace tonalyx
