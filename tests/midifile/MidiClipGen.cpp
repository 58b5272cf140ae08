// Writes song clips of tones and drum sounds over GS, XG and GM into a folder,
// with manifest.json: for each file the track name and every event the clip
// must hold, as the bytes a press of that sound sends through the port (the
// recording backend), minus the note, on the clip's channel, and for a shaped
// sound the chosen reverb and chorus types, whose bytes are written out here. check_midi_clips.py
// reads the files back with an independent reader and compares.
//   midi_clip_gen OUTPUT_FOLDER

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "audition/DrumSequence.h"
#include "audition/EditParameters.h"
#include "audition/EffectTypes.h"
#include "audition/SoundEdits.h"
#include "audition/ToneSequence.h"
#include "definitions/NameMaps.h"
#include "midi/MidiPort.h"
#include "midifile/SongClip.h"
#include "support/RecordingBackend.h"
#include "tables/NameTables.h"

namespace tonalyx {
namespace {

struct Case {
  const char* file;
  ModuleKind type;
  bool drums;
  int channel;
  bool test_note;
  bool edited = false;
};

// Tones and drum sounds that have names, on the default channel, on another
// one, with and without the test note.
constexpr Case kCases[] = {
    {"gs-tone", ModuleKind::kGs, false, 1, true},
    {"gs-tone-ch5", ModuleKind::kGs, false, 5, false},
    {"gs-drum", ModuleKind::kGs, true, 10, true},
    {"gs-drum-ch11", ModuleKind::kGs, true, 11, false},
    {"xg-tone", ModuleKind::kXg, false, 1, true},
    {"xg-tone-ch16", ModuleKind::kXg, false, 16, false},
    {"xg-drum", ModuleKind::kXg, true, 10, true},
    {"xg-drum-ch2", ModuleKind::kXg, true, 2, false},
    {"gm-tone", ModuleKind::kGm, false, 1, true},
    {"gm-drum", ModuleKind::kGm, true, 10, false},
    {"gs-tone-edited", ModuleKind::kGs, false, 1, true, true},
    {"gs-drum-edited", ModuleKind::kGs, true, 10, false, true},
    {"xg-tone-edited", ModuleKind::kXg, false, 3, false, true},
    {"xg-drum-edited", ModuleKind::kXg, true, 10, true, true},
};

// A sound shaped as a user would: parameters moved either way, a drum sound's
// pitch, level and (under XG) cutoff, and a reverb type chosen, with the
// chorus type too under XG. The types' messages, as the modules' charts give
// them, come back.
std::vector<std::string> Shape(SoundEdits& edits, const SharedState& state) {
  const ValueRange range = *PartParameterRange(state.ModuleType, state.MapIndex);
  edits.SetPart(PartParameter::kCutoff, -20, range);
  edits.SetPart(PartParameter::kAttack, 30, range);
  edits.SetPart(PartParameter::kVibratoRate, 5, range);
  edits.SetDrum(state.DrumKit, state.DrumNote, DrumParameter::kPitch, 2);
  edits.SetDrum(state.DrumKit, state.DrumNote, DrumParameter::kLevel, 100);
  edits.SetDrum(state.DrumKit, state.DrumNote, DrumParameter::kCutoff, -10);
  const auto choose = [&](Effect effect, std::string_view name) {
    const auto types = EffectTypes(state.ModuleType, effect);
    for (std::size_t i = 0; i < types.size(); ++i)
      if (types[i].name == name) edits.ChooseEffect(state.ModuleType, effect, int(i) + 1);
  };
  if (state.ModuleType == ModuleKind::kGs) {
    choose(Effect::kReverb, "Room 3");
    return {"f0 41 10 42 12 40 01 30 02 0d f7"};
  }
  choose(Effect::kReverb, "Room 1");
  choose(Effect::kChorus, "Flanger 1");
  return {"f0 43 10 4c 02 01 00 02 00 f7", "f0 43 10 4c 02 01 20 43 00 f7"};
}

// The state a user left: controllers away from their defaults, a tone and a
// drum sound pressed last.
SharedState StateFor(const Case& c) {
  SharedState state;
  state.ModuleType = c.type;
  state.MapIndex = 3;    // SC-88Pro
  state.XgMapIndex = 2;  // MU100
  state.CurrentProgram = c.type == ModuleKind::kXg ? 16 : 4;
  state.CurrentBank = c.type == ModuleKind::kXg ? 64 : 8;
  state.TestNote = 64;
  state.DrumKit = c.type == ModuleKind::kXg ? 1 : 8;
  state.DrumNote = 38;
  state.controllers = {90, 12, 70, 33, 21, -20, 1000, 7};
  return state;
}

// What the press sends, as the port hands it to the device.
std::vector<std::uint32_t> Press(const SharedState& state, bool drums, const SoundEdits& edits) {
  RecordingBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  if (drums)
    PlayDrumNote(state, state.controllers, port, edits);
  else
    SendToneStart(port, state, state.controllers, edits);
  return backend.ShortMessages();
}

std::string Hex(std::uint32_t message, int length) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (int i = 0; i < length; ++i) {
    const unsigned byte = (message >> (8 * i)) & 0xFF;
    if (i > 0) text += ' ';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::string Event(int tick, std::uint32_t message) {
  const bool program = (message & 0xF0) == 0xC0;
  return "[" + std::to_string(tick) + ", \"" + Hex(message, program ? 2 : 3) + "\"]";
}

std::string Json(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string ExpectedTrack(const SharedState& state, bool drums) {
  NameTables tables;
  tables.FillNameTables();
  const bool gs = state.ModuleType == ModuleKind::kGs;
  if (state.ModuleType == ModuleKind::kGm)
    return (drums ? "Note 38 Kit 8" : "Program 4") + std::string(" \u2013 GM");
  if (drums) {
    return std::string(gs ? tables.GsDrum(state.DrumKit, state.DrumNote, state.MapIndex)
                          : tables.XgDrum(state.DrumKit, state.DrumNote)) +
           " \u2013 " + (gs ? "SC-88Pro" : "XG");
  }
  return std::string(
             gs ? tables.GsTone(state.CurrentProgram + 1, state.CurrentBank, state.MapIndex)
                : tables.XgTone(state.CurrentProgram, state.CurrentBank, state.XgMapIndex)) +
         " \u2013 " + (gs ? "SC-88Pro" : "MU100");
}

}  // namespace
}  // namespace tonalyx

int main(int argc, char** argv) {
  using namespace tonalyx;
  if (argc != 2) {
    std::cerr << "usage: midi_clip_gen OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  std::string manifest = "[\n";
  for (const Case& c : kCases) {
    const SharedState state = StateFor(c);
    const SoundChoice sound = c.drums ? SoundChoice::LastDrum(state) : SoundChoice::LastTone(state);
    const std::string track = ExpectedTrack(state, c.drums);
    const std::string name = track.substr(0, track.rfind(" \u2013 "));
    SoundEdits edits;
    const std::vector<std::string> effect_types =
        c.edited ? Shape(edits, state) : std::vector<std::string>{};
    const auto clip = MakeSongClip(sound, name, state, {c.channel, c.test_note}, edits);
    if (!clip) {
      std::cerr << c.file << ": no clip\n";
      return 1;
    }
    std::ofstream(folder / (std::string(c.file) + ".mid"), std::ios::binary) << clip->bytes;

    std::vector<std::uint32_t> press = Press(state, c.drums, edits);
    const std::uint32_t note_on = press.back();
    press.pop_back();
    std::string events;
    auto add = [&](int tick, std::uint32_t message) {
      // On the clip's channel.
      message = (message & ~0x0Fu) | static_cast<std::uint32_t>(c.channel - 1);
      events += (events.empty() ? "" : ", ") + Event(tick, message);
    };
    for (std::uint32_t message : press) {
      // An XG kit comes from the drum voice bank, MSB 127 and LSB 0, where
      // the press sends its bank select pair to channel 1 instead.
      const std::uint32_t controller = (message >> 8) & 0xFF;
      const bool bank_select = (message & 0xF0) == 0xB0 && (controller == 0 || controller == 32);
      if (c.type == ModuleKind::kXg && c.drums && bank_select)
        message = (message & 0xFFFF) | (controller == 0 ? 127u << 16 : 0u);
      add(0, message);
    }
    for (const std::string& type : effect_types)
      events += ", [0, " + Json(type) + "]";
    if (c.test_note) {
      add(480, note_on);
      add(960, note_on & 0xFFFF);  // as the release ends it: velocity 0
    }
    manifest += std::string(manifest.size() > 2 ? ",\n" : "") +
                "  {\"file\": " + Json(std::string(c.file) + ".mid") +
                ", \"track\": " + Json(track) + ", \"events\": [" + events + "]}";
  }
  // GM2 selects nothing: no clip.
  SharedState gm2;
  gm2.ModuleType = ModuleKind::kGm2;
  if (MakeSongClip(SoundChoice::LastTone(gm2), "x", gm2, {})) {
    std::cerr << "GM2 gave a clip\n";
    return 1;
  }
  std::ofstream(folder / "manifest.json") << manifest << "\n]\n";
  return 0;
}
