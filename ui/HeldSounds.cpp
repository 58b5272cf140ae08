#include "ui/HeldSounds.h"

#include "audition/DrumSequence.h"
#include "audition/ToneSequence.h"

namespace tonalyx {

void HeldSounds::Press(const SoundChoice& sound) {
  if (sound.drums) {
    auditions_.select_drum_kit(ctx_, sound.kit);
    ctx_.state.DrumNote = sound.note;
    auditions_.play_drum_note(ctx_);
    held_.push_back(sound.note);
    return;
  }
  ctx_.state.CurrentProgram = sound.program;
  ctx_.state.CurrentBank = sound.bank;
  auditions_.play_tone(ctx_);
  held_.push_back(kToneHeld);
}

void HeldSounds::Release() {
  if (held_.empty()) return;
  const int note = held_.front();
  held_.erase(held_.begin());
  if (note == kToneHeld) {
    auditions_.release_tone(ctx_);
    return;
  }
  auditions_.release_drum_note(ctx_, note);
}

void PreloadSound(AppContext& ctx, const SoundChoice& sound) {
  const SharedState pressed = sound.PressedIn(ctx.state);
  if (sound.drums)
    PreloadDrumNote(pressed, pressed.controllers, ctx.port);
  else
    PreloadTone(ctx.port, pressed, pressed.controllers);
}

}  // namespace tonalyx
