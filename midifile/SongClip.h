#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audition/SoundChoice.h"
#include "audition/SoundEdits.h"
#include "midifile/StandardMidiFile.h"

namespace tonalyx {

// How the user wants a clip: the MIDI channel its messages go to, and whether
// it plays the test note.
struct ClipOptions {
  int channel = 1;  // 1..16
  bool test_note = true;
};

// The channel a clip goes to unless the user picks another: 10, the rhythm
// channel, for drum sounds, 1 for tones.
int DefaultClipChannel(bool drums);

// What selects and sets the sound on a module, as a press of its button sends
// it before the note, all on `channel`: the bank select and program change,
// and what the press sends of the controller window's values (in GS all of
// them, pitch bend sensitivity with its null parameter). No reset message,
// which in the middle of a song would silence every other part. Two
// differences from the press, because a song file must change only the
// clip's own channel: the drum press's bank select goes to channel 1 and
// comes here on `channel` too; and an XG drum sound's kit is selected from the
// drum voice bank (MSB 127, LSB 0), as the XG definition files select it,
// since MSB 0 on an XG part switches it to a normal voice. Then how the user
// shaped it: for a sound of the module type in use, the tone's part
// parameters that are not 0 or the drum sound's edits, each with the null
// parameter after them, as a press sends them; and the reverb and chorus types
// chosen for the sound's module type. None for GM2, whose press sends
// nothing.
std::vector<MidiBytes> ClipSetupMessages(const SoundChoice& sound, const SharedState& state,
                                         int channel, const SoundEdits& edits = {});

// A sound as a one-bar Standard MIDI File, ready to be dropped on a track.
struct SongClip {
  std::string file_name;  // after the track's name, with ".mid"
  std::string bytes;
};

// The clip of a sound under `name`: the track named "<name> – <map>", the
// setup messages at tick 0 and, when asked, the test note (the tone's
// TestNote or the drum sound's note, with the controller velocity) from beat 2
// to beat 3, ended as the release ends it. Nothing for GM2.
std::optional<SongClip> MakeSongClip(const SoundChoice& sound, std::string_view name,
                                     const SharedState& state, const ClipOptions& options,
                                     const SoundEdits& edits = {});

// "<name> – <map>": what a track made from the sound is called.
std::string ClipTrackName(const SoundChoice& sound, std::string_view name);
// A file name for the track: characters no file system takes become "-", a
// name Windows keeps for a device gets "_" before it, and ".mid" follows.
std::string ClipFileName(std::string_view track_name);

}  // namespace tonalyx
