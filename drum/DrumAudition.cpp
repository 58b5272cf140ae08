#include "drum/DrumAudition.h"

#include "drum/DrumSequence.h"
#include "tone/TForm7.h"

namespace tonalyx {

void PlayDrumNote(AppContext& ctx) {
  // The controller window is created after the drum windows, but no press can
  // come before every window exists; until then its start values apply.
  const ControllerValues values =
      ctx.forms.form7 != nullptr ? ctx.forms.form7->Values() : ControllerValues{};
  PlayDrumNote(ctx.state, values, ctx.port);
}

void ReleaseDrumNote(AppContext& ctx) { ReleaseDrumNote(ctx.state, ctx.port); }

}  // namespace tonalyx
