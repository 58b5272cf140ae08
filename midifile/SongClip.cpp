#include "midifile/SongClip.h"

#include <algorithm>
#include <array>

#include "audition/DrumSequence.h"
#include "audition/EditMessages.h"
#include "audition/ToneSequence.h"
#include "midi/ShortMessage.h"
#include "midifile/SoundNames.h"

namespace tonalyx {
namespace {

constexpr int kBankSelectMsb = 0;
constexpr int kBankSelectLsb = 32;
// XG kits are drum voices, selected from this bank.
constexpr int kXgDrumVoiceMsb = 127;

// The same message on another channel; system messages stay as they are.
std::uint32_t OnChannel(std::uint32_t message, int channel) {
  const int status = StatusByte(message);
  if (status >= 0xF0) return message;
  return ShortMessage((status & 0xF0) | (channel - 1), Data1(message), Data2(message));
}

// The XG drum sound's bank select, from the drum voice bank.
std::uint32_t XgKitBank(std::uint32_t message) {
  if ((StatusByte(message) & 0xF0) != kControlChange) return message;
  if (Data1(message) == kBankSelectMsb) return ShortMessage(kControlChange, 0, kXgDrumVoiceMsb);
  if (Data1(message) == kBankSelectLsb) return ShortMessage(kControlChange, kBankSelectLsb, 0);
  return message;
}

// The press of the sound, its note on last.
std::vector<std::uint32_t> PressMessages(const SoundChoice& sound, const SharedState& state) {
  SharedState pressed = sound.PressedIn(state);
  pressed.ModuleType = sound.module_type;
  // The map a GS sound (and a GM drum sound) sends as Bank Select LSB.
  if (sound.module_type != ModuleKind::kXg) pressed.MapIndex = sound.map;
  if (!sound.drums) return ToneStartMessages(pressed, pressed.controllers);
  const std::array<std::uint32_t, 8> drum = DrumNoteMessages(pressed, pressed.controllers);
  return {drum.begin(), drum.end()};
}

// The edits of the sound on `channel` (0..15): the part parameters that are
// not 0 (a song assumes nothing of what the module holds) or the drum sound's.
MessageList EditMessages(const SoundChoice& sound, const SoundEdits& edits, int channel) {
  if (sound.drums)
    return DrumEditMessages(edits, sound.module_type, sound.kit, sound.note, channel);
  std::array<PartParameter, kPartParameterCount> edited{};
  std::size_t count = 0;
  for (int i = 0; i < kPartParameterCount; ++i) {
    const auto parameter = static_cast<PartParameter>(i);
    if (edits.Part(parameter) != 0) edited[count++] = parameter;
  }
  return PartChangeMessages(edits, std::span(edited.data(), count), sound.module_type, sound.map,
                            channel);
}

bool IsReservedDeviceName(std::string_view stem) {
  std::string upper;
  for (const char c : stem) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

int DefaultClipChannel(bool drums) { return drums ? kRhythmChannel + 1 : kToneChannel + 1; }

std::vector<MidiBytes> ClipSetupMessages(const SoundChoice& sound, const SharedState& state,
                                         int channel, const SoundEdits& edits) {
  if (sound.module_type == ModuleKind::kGm2) return {};
  std::vector<std::uint32_t> press = PressMessages(sound, state);
  press.pop_back();  // the note on: the test note comes later, or not at all
  std::vector<MidiBytes> setup;
  for (std::uint32_t message : press) {
    if (sound.drums && sound.module_type == ModuleKind::kXg) message = XgKitBank(message);
    setup.push_back(ShortMessageBytes(OnChannel(message, channel)));
  }
  // The edits shape what sounds under the module type in use.
  if (sound.module_type == state.ModuleType) {
    const MessageList edited = EditMessages(sound, edits, channel - 1);
    for (const std::uint32_t message : edited.Messages()) setup.push_back(ShortMessageBytes(message));
  }
  for (const Effect effect : {Effect::kReverb, Effect::kChorus}) {
    const std::span<const std::uint8_t> type = edits.ChosenEffectMessage(sound.module_type, effect);
    if (!type.empty()) setup.emplace_back(type.begin(), type.end());
  }
  return setup;
}

std::optional<SongClip> MakeSongClip(const SoundChoice& sound, std::string_view name,
                                     const SharedState& state, const ClipOptions& options,
                                     const SoundEdits& edits) {
  if (sound.module_type == ModuleKind::kGm2) return std::nullopt;
  std::vector<TimedMessage> messages;
  for (MidiBytes& bytes : ClipSetupMessages(sound, state, options.channel, edits))
    messages.push_back({0, std::move(bytes)});
  if (options.test_note) {
    const int note = sound.drums ? sound.note : state.TestNote;
    const int status = kNoteOn | (options.channel - 1);
    // From beat 2 to beat 3, ended as the release ends it: velocity 0.
    messages.push_back({kTicksPerQuarter,
                        ShortMessageBytes(ShortMessage(status, note, state.controllers.velocity))});
    messages.push_back({2 * kTicksPerQuarter, ShortMessageBytes(ShortMessage(status, note, 0))});
  }
  const std::string track = ClipTrackName(sound, name);
  return SongClip{ClipFileName(track), StandardMidiFile(track, messages, kTicksPerBar)};
}

std::string ClipTrackName(const SoundChoice& sound, std::string_view name) {
  return std::string(name) + " \u2013 " + MapLabel(sound);
}

std::string ClipFileName(std::string_view track_name) {
  constexpr std::size_t kMaxStemBytes = 120;
  std::string stem;
  for (const char c : track_name) {
    const auto byte = static_cast<unsigned char>(c);
    const bool refused = byte < 0x20 || byte == 0x7F ||
                         std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
    stem += refused ? '-' : c;
  }
  // Whole UTF-8 characters only: cut before a continuation byte.
  if (stem.size() > kMaxStemBytes) {
    std::size_t end = kMaxStemBytes;
    while (end > 0 && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80) --end;
    stem.resize(end);
  }
  // Windows drops dots and blanks at the end of a name.
  while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
  if (stem.empty()) stem = "Tonalyx";
  if (IsReservedDeviceName(stem.substr(0, std::min(stem.find('.'), stem.size()))))
    stem = "_" + stem;
  return stem + ".mid";
}

}  // namespace tonalyx
