#pragma once

#include <vector>

#include "audition/SoundChoice.h"
#include "ui/AppContext.h"

namespace tonalyx {

// What a press on a row of sounds runs: the tone and drum windows' own
// auditions and kit choice, supplied by the program entry, so a row plays
// exactly as the sound's own button would.
struct SoundAuditions {
  void (*play_tone)(AppContext&);
  void (*release_tone)(AppContext&);
  void (*select_drum_kit)(AppContext&, int kit);
  void (*play_drum_note)(AppContext&);
  void (*release_drum_note)(AppContext&, int note);
};

// The sounds that presses on rows started and their releases have not ended
// yet. A second mouse button may play another row, even of the other kind,
// before the first comes up: each release ends the sound of its own press.
class HeldSounds {
 public:
  HeldSounds(AppContext& context, const SoundAuditions& auditions)
      : ctx_(context), auditions_(auditions) {}

  // Stores the sound's program and bank (or its kit, through the kit choice,
  // and its note) and plays it.
  void Press(const SoundChoice& sound);
  // Ends the sound of the oldest press not yet released.
  void Release();

 private:
  AppContext& ctx_;
  SoundAuditions auditions_;
  // What each press not yet released started, oldest first: the drum note,
  // or kToneHeld for a tone, which ends at the test note.
  static constexpr int kToneHeld = -1;
  std::vector<int> held_;
};

// Gets the sound ready, as a press would play it now; sends nothing.
void PreloadSound(AppContext& ctx, const SoundChoice& sound);

}  // namespace tonalyx
