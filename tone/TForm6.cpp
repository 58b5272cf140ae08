#include "tone/TForm6.h"

#include "tone/ToneButtonGrid.h"
#include "ui/AuditionButton.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {

TForm6::TForm6(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm6"));
  KeepTranslated(*this, [this] { setWindowTitle(tr("バンクセレクト MSB")); });
  ApplyDesignFont(*this);

  // Button n selects bank n - 1.
  buttons_ = CreateToneButtonGrid(*this, 8, ctx_, &SharedState::CurrentBank);

  ReadGeometry(*this, ctx_.settings_path, WindowSection(6));

  ctx_.events.WhenStale(Events::Caption::kBank, this, [this] { RefreshBankCaptions(); });
}

void TForm6::RefreshBankCaptions() {
  const std::optional<ModuleKind> type = ctx_.state.selected_type;
  const int program = ctx_.state.CurrentProgram;
  if (type == ModuleKind::kGs) {
    // The GS table is indexed by program value + 1.
    const int map = ctx_.state.MapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)],
                 ctx_.tables.GsTone(program + 1, n - 1, map));
  } else if (type == ModuleKind::kXg) {
    const int map = ctx_.state.XgMapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)],
                 ctx_.tables.XgTone(program, n - 1, map));
  }
  // GM, GM2 and no selection keep the captions of the last refresh.
}

}  // namespace tonalyx
