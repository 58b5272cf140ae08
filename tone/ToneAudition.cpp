#include "tone/ToneAudition.h"

#include "tone/TForm12.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"
#include "tone/TForm7.h"
#include "tone/ToneSequence.h"

namespace tonalyx {
namespace {
void RefreshCaptions(AppContext& ctx) {
  ctx.forms.form2->RefreshProgramCaptions();
  ctx.forms.form6->RefreshBankCaptions();
}
}  // namespace

void PlayTone(AppContext& ctx) {
  const SharedState& state = ctx.state;
  // The bars are read at the moment of the press.
  const ControllerValues values = ctx.forms.form7->Values();
  switch (state.ModuleType) {
    case 0:  // GS: messages, captions, then the information window
      SendToneStart(ctx.port, state, values);
      RefreshCaptions(ctx);
      ctx.forms.form12->ShowTone(
          state.CurrentProgram, state.CurrentBank,
          ctx.tables.GsTone(state.CurrentProgram + 1, state.CurrentBank, state.MapIndex));
      break;
    case 1:  // XG: captions first, then the messages
      RefreshCaptions(ctx);
      SendToneStart(ctx.port, state, values);
      break;
    default:  // GM sends its four messages; GM2 sends nothing
      SendToneStart(ctx.port, state, values);
      break;
  }
}

void ReleaseTone(AppContext& ctx) { SendToneRelease(ctx.port, ctx.state); }

}  // namespace tonalyx
