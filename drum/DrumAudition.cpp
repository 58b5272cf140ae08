#include "drum/DrumAudition.h"

#include "audition/DrumSequence.h"

namespace tonalyx {

void PlayDrumNote(AppContext& ctx) { PlayDrumNote(ctx.state, ctx.state.controllers, ctx.port); }

void ReleaseDrumNote(AppContext& ctx) { ReleaseDrumNote(ctx, ctx.state.DrumNote); }

void ReleaseDrumNote(AppContext& ctx, int note) { ReleaseDrumNote(note, ctx.port); }

}  // namespace tonalyx
