#include "modules/ModuleTypeActions.h"

#include "midi/ResetMessages.h"

namespace tonalyx {
namespace {
// Sets ModuleType from the module type window's selection and announces it;
// false, changing nothing, when no item is selected.
bool TakeSelection(AppContext& ctx) {
  if (!ctx.state.selected_type) return false;
  ctx.state.ModuleType = *ctx.state.selected_type;
  emit ctx.events.ModuleTypeApplied(ctx.state.ModuleType);
  return true;
}
}  // namespace

void ApplyModuleType(AppContext& ctx) {
  if (!TakeSelection(ctx)) return;
  ctx.events.RefreshCaptions(Events::Caption::kDrum | Events::Caption::kProgram);
}

void StartModuleReset(AppContext& ctx) {
  if (!TakeSelection(ctx)) return;
  ctx.port.SendModuleReset(ctx.state.ModuleType);
  // GM2 sends no reset, and the module keeps what it holds.
  if (!ModuleResetMessage(ctx.state.ModuleType).empty())
    ctx.after_reset.ModuleReset(ctx.state.ModuleType);
}

}  // namespace tonalyx
