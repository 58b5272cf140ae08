#include "drum/DrumAudition.h"

#include "audition/DrumSequence.h"

namespace tonalyx {

void PlayDrumNote(AppContext& ctx) {
  ctx.after_reset.SendNowIfWaiting();
  PlayDrumNote(ctx.state, ctx.state.controllers, ctx.port, ctx.edits);
  emit ctx.events.DrumNotePlayed();
}

void ReleaseDrumNote(AppContext& ctx) { ReleaseDrumNote(ctx, ctx.state.DrumNote); }

void ReleaseDrumNote(AppContext& ctx, int note) { ReleaseDrumNote(note, ctx.port); }

}  // namespace tonalyx
