#pragma once

#include "audition/SharedState.h"

namespace tonalyx {

// One sound as a press chooses it: a tone (a program in a bank) or a drum
// sound (a note of a kit), with the module type and the map it was chosen
// under. What a finder row, a favourite and a song clip stand for.
struct SoundChoice {
  ModuleKind module_type = ModuleKind::kGs;
  // The map: GS MapIndex (which the presses send as Bank Select LSB), XG
  // XgMapIndex for tones (it only names them); XG drum sounds have none (0);
  // GM and GM2 keep MapIndex, which the drum press still sends.
  int map = 0;
  bool drums = false;
  int bank = 0;     // tones: CurrentBank
  int program = 0;  // tones: CurrentProgram
  int kit = 0;      // drum sounds: DrumKit
  int note = 0;     // drum sounds: DrumNote

  // The tone or the drum sound pressed last.
  static SoundChoice LastTone(const SharedState& state);
  static SoundChoice LastDrum(const SharedState& state);

  // Whether a press now, under the state's module type and map, plays this
  // sound as its own button would: the same module type and, for GS, whose
  // map goes out with the bank, the same map.
  bool PlayableIn(const SharedState& state) const;
  // The state as a press of this sound leaves it: the program and bank, or
  // the kit and note, stored; everything else as it is.
  SharedState PressedIn(SharedState state) const;

  bool operator==(const SoundChoice&) const = default;
};

}  // namespace tonalyx
