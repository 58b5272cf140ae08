#include "tone/ToneAudition.h"

#include "audition/ToneSequence.h"

namespace tonalyx {
namespace {
void RefreshCaptions(AppContext& ctx) {
  ctx.events.RefreshCaptions(Events::Caption::kProgram | Events::Caption::kBank);
}
}  // namespace

void PlayTone(AppContext& ctx) {
  const SharedState& state = ctx.state;
  // The controller values as they stand at the moment of the press.
  const ControllerValues& values = state.controllers;
  switch (state.ModuleType) {
    case ModuleKind::kGs:  // messages, captions, then the tone information
      SendToneStart(ctx.port, state, values);
      RefreshCaptions(ctx);
      emit ctx.events.TonePlayed(
          state.CurrentProgram, state.CurrentBank,
          ctx.tables.GsTone(state.CurrentProgram + 1, state.CurrentBank, state.MapIndex));
      break;
    case ModuleKind::kXg:  // captions first, then the messages
      RefreshCaptions(ctx);
      SendToneStart(ctx.port, state, values);
      break;
    case ModuleKind::kGm:   // four messages, no refresh
    case ModuleKind::kGm2:  // nothing at all
      SendToneStart(ctx.port, state, values);
      break;
  }
}

void ReleaseTone(AppContext& ctx) { SendToneRelease(ctx.port, ctx.state); }

}  // namespace tonalyx
