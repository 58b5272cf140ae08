#pragma once

#include "thru/ThruRouter.h"
#include "ui/AppContext.h"

namespace tonalyx {

// Plays CurrentProgram in CurrentBank at TestNote on channel 1 with the
// controller values and the tone edits, by module type, and announces what
// the windows that follow the tone show.
void PlayTone(AppContext& ctx);
// Ends the test note: 90 TestNote 00.
void ReleaseTone(AppContext& ctx);
// Selects CurrentProgram in CurrentBank as PlayTone would, with the same
// captions and tone information, but sends no controllers and no note.
void SelectTone(AppContext& ctx);
// A program change from the MIDI input: stores its program, and its bank
// where the module type takes one from a bank select (GS the MSB, XG the
// LSB), then selects that tone.
void SelectRequestedTone(AppContext& ctx, const ProgramRequest& request);

}  // namespace tonalyx
