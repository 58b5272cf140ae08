#pragma once

#include <array>
#include <cstdint>

#include "audition/ControllerValues.h"
#include "audition/SharedState.h"
#include "audition/SoundEdits.h"
#include "midi/MidiPort.h"

namespace tonalyx {

// Sounds DrumNote of DrumKit on the rhythm channel 10. Sends, back to back:
// modulation (channel 10), Bank Select MSB 0 and LSB MapIndex (channel 1),
// the program change DrumKit, the reverb, delay and chorus sends (channel 10),
// then the note on with the controller velocity. The same eight messages go
// out whatever the module type, and the kit is sent on every press. The
// edits of that kit's note the module type takes go out just before the note
// on, after the kit select that would undo them.
void PlayDrumNote(const SharedState& state, const ControllerValues& values, MidiPort& port,
                  const SoundEdits& edits = {});
// The eight messages PlayDrumNote sends without edits, the note on last.
std::array<std::uint32_t, 8> DrumNoteMessages(const SharedState& state,
                                              const ControllerValues& values);
// Lets the port's backend get the kit ready that PlayDrumNote would play with
// this state; sends nothing.
void PreloadDrumNote(const SharedState& state, const ControllerValues& values, MidiPort& port);

// Ends `note` with a note on of velocity 0 on channel 10.
void ReleaseDrumNote(int note, MidiPort& port);

}  // namespace tonalyx
