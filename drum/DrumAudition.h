#pragma once

#include "ui/AppContext.h"

namespace tonalyx {

// Plays DrumNote of DrumKit on channel 10 with the controller values and the
// note's edits as they stand at this moment, and announces it.
void PlayDrumNote(AppContext& ctx);
// Ends DrumNote: 99 DrumNote 00.
void ReleaseDrumNote(AppContext& ctx);
// Ends `note` whatever DrumNote is now, for a press whose note another press
// has since replaced.
void ReleaseDrumNote(AppContext& ctx, int note);

}  // namespace tonalyx
