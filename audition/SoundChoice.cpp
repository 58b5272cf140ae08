#include "audition/SoundChoice.h"

namespace tonalyx {
namespace {
int MapOf(const SharedState& state, bool drums) {
  if (state.ModuleType == ModuleKind::kXg) return drums ? 0 : state.XgMapIndex;
  return state.MapIndex;
}
}  // namespace

SoundChoice SoundChoice::LastTone(const SharedState& state) {
  SoundChoice sound{state.ModuleType, MapOf(state, false), false};
  sound.bank = state.CurrentBank;
  sound.program = state.CurrentProgram;
  return sound;
}

SoundChoice SoundChoice::LastDrum(const SharedState& state) {
  SoundChoice sound{state.ModuleType, MapOf(state, true), true};
  sound.kit = state.DrumKit;
  sound.note = state.DrumNote;
  return sound;
}

bool SoundChoice::PlayableIn(const SharedState& state) const {
  if (module_type != state.ModuleType) return false;
  return module_type != ModuleKind::kGs || map == state.MapIndex;
}

SharedState SoundChoice::PressedIn(SharedState state) const {
  if (drums) {
    state.DrumKit = kit;
    state.DrumNote = note;
  } else {
    state.CurrentProgram = program;
    state.CurrentBank = bank;
  }
  return state;
}

}  // namespace tonalyx
