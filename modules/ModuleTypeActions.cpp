#include "modules/ModuleTypeActions.h"

#include <QString>

#include "drum/TForm4.h"
#include "modules/TForm3.h"
#include "tone/TForm2.h"
#include "tone/TForm8.h"

namespace tonalyx {
namespace {
// XG modules name middle C "C3"; the others call it "C4".
QString MiddleCLabel(int moduleType) {
  return moduleType == 1 ? QStringLiteral("C3") : QStringLiteral("C4");
}

// Bank select and the controller window only mean something for GS and XG.
bool TypeMenusEnabled(int moduleType) { return moduleType == 0 || moduleType == 1; }

// Sets ModuleType and the keyboard label for a selected item; -1 when no item
// is selected, and then nothing is changed.
int TakeSelection(AppContext& ctx) {
  const int selection = ctx.forms.form3 ? ctx.forms.form3->Selection() : -1;
  if (selection < 0) return -1;
  ctx.state.ModuleType = static_cast<std::uint8_t>(selection);
  if (ctx.forms.form8) ctx.forms.form8->SetMiddleCLabel(MiddleCLabel(selection));
  return selection;
}
}  // namespace

void ApplyModuleType(AppContext& ctx) {
  const int selection = TakeSelection(ctx);
  if (selection < 0) return;
  if (ctx.forms.form2) ctx.forms.form2->SetTypeMenusEnabled(TypeMenusEnabled(selection));
  if (ctx.forms.form4) ctx.forms.form4->RefreshDrumCaptions();
  if (ctx.forms.form2) ctx.forms.form2->RefreshProgramCaptions();
}

void StartModuleReset(AppContext& ctx) {
  const int selection = TakeSelection(ctx);
  if (selection < 0) return;
  ctx.port.SendModuleReset(selection);
}

}  // namespace tonalyx
