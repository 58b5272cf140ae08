#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "audition/ControllerValues.h"
#include "audition/SharedState.h"
#include "audition/SoundEdits.h"
#include "midi/MidiPort.h"

namespace tonalyx {

// The messages that start a test tone on channel 1, by module type. Each is
// built on the stack so that a press allocates nothing.

// GS: modulation, bank (MSB CurrentBank, LSB MapIndex), program, pitch bend
// sensitivity through registered parameter 0 and then the null parameter,
// reverb, delay and chorus sends, pan, pitch bend, note on.
std::array<std::uint32_t, 16> GsToneMessages(const SharedState& state,
                                             const ControllerValues& values);
// XG: the bank goes out as Bank Select LSB under MSB 0, then program, note on.
std::array<std::uint32_t, 4> XgToneMessages(const SharedState& state,
                                            const ControllerValues& values);
// GM: Bank Select 0/0, program, note on.
std::array<std::uint32_t, 4> GmToneMessages(const SharedState& state,
                                            const ControllerValues& values);
// The release: note on with velocity 0 for TestNote, in every module type.
std::uint32_t ToneReleaseMessage(const SharedState& state);

// The start messages of the module type in state, as SendToneStart sends
// them, in a list of their own; none for GM2.
std::vector<std::uint32_t> ToneStartMessages(const SharedState& state,
                                             const ControllerValues& values);
// Sends the start messages of the module type in state, each as its own short
// message; GM2 sends nothing. The part parameters the edits send go out just
// before the note on; without edits the messages are exactly those above.
void SendToneStart(MidiPort& port, const SharedState& state, const ControllerValues& values,
                   const SoundEdits& edits = {});
void SendToneRelease(MidiPort& port, const SharedState& state);
// What selects CurrentProgram in CurrentBank without playing it, by module
// type: GS Bank Select MSB CurrentBank, LSB MapIndex and the program; XG MSB 0,
// LSB CurrentBank and the program; GM MSB 0, LSB 0 and the program; GM2
// nothing.
void SendToneSelection(MidiPort& port, const SharedState& state);
// Lets the port's backend get the tone ready that SendToneStart would play
// with this state; sends nothing.
void PreloadTone(MidiPort& port, const SharedState& state, const ControllerValues& values);

}  // namespace tonalyx
