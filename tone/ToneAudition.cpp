#include "tone/ToneAudition.h"

#include <functional>

#include "audition/ToneSequence.h"

namespace tonalyx {
namespace {
void RefreshCaptions(AppContext& ctx) {
  ctx.events.RefreshCaptions(Events::Caption::kProgram | Events::Caption::kBank);
}

// The tone's messages (`send`), the captions and the tone information in the
// order of the module type.
void AnnounceAndSend(AppContext& ctx, const std::function<void()>& send) {
  const SharedState& state = ctx.state;
  switch (state.ModuleType) {
    case ModuleKind::kGs:  // messages, captions, then the tone information
      send();
      RefreshCaptions(ctx);
      emit ctx.events.TonePlayed(
          state.CurrentProgram, state.CurrentBank,
          ctx.tables.GsTone(state.CurrentProgram + 1, state.CurrentBank, state.MapIndex));
      break;
    case ModuleKind::kXg:  // captions first, then the messages
      RefreshCaptions(ctx);
      send();
      break;
    case ModuleKind::kGm:   // messages, no refresh
    case ModuleKind::kGm2:  // nothing at all
      send();
      break;
  }
}
}  // namespace

void PlayTone(AppContext& ctx) {
  // The controller values and edits as they stand at the moment of the press;
  // effect types still waiting since a reset go first.
  AnnounceAndSend(ctx, [&ctx] {
    ctx.after_reset.SendNowIfWaiting();
    SendToneStart(ctx.port, ctx.state, ctx.state.controllers, ctx.edits);
  });
}

void SelectTone(AppContext& ctx) {
  AnnounceAndSend(ctx, [&ctx] { SendToneSelection(ctx.port, ctx.state); });
}

void SelectRequestedTone(AppContext& ctx, const ProgramRequest& request) {
  SharedState& state = ctx.state;
  state.CurrentProgram = request.program;
  if (state.ModuleType == ModuleKind::kGs && request.bank_msb)
    state.CurrentBank = *request.bank_msb;
  if (state.ModuleType == ModuleKind::kXg && request.bank_lsb)
    state.CurrentBank = *request.bank_lsb;
  SelectTone(ctx);
}

void ReleaseTone(AppContext& ctx) { SendToneRelease(ctx.port, ctx.state); }

}  // namespace tonalyx
