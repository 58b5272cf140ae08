#include "tone/TForm6.h"

#include <QCloseEvent>

#include "app/AuditionButton.h"
#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "modules/TForm3.h"
#include "tone/ToneButtonGrid.h"

namespace tonalyx {

TForm6::TForm6(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("バンクセレクト MSB"));
  ApplyDesignFont(*this);

  // Button n selects bank n - 1.
  buttons_ = CreateToneButtonGrid(*this, 8, ctx_, &SharedState::CurrentBank);

  ReadGeometry(*this, ctx_.settingsPath, "Window6", {562, 729, 187, 287});
}

void TForm6::RefreshBankCaptions() {
  const int selection = ctx_.forms.form3 ? ctx_.forms.form3->Selection() : -1;
  const int program = ctx_.state.CurrentProgram;
  if (selection == 0) {
    // The GS table is indexed by program value + 1.
    const int map = ctx_.state.MapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)],
                 ctx_.tables.GsTone(program + 1, n - 1, map));
  } else if (selection == 1) {
    const int map = ctx_.state.XgMapIndex;
    for (int n = 1; n <= 128; ++n)
      SetCaption(*buttons_[static_cast<std::size_t>(n - 1)],
                 ctx_.tables.XgTone(program, n - 1, map));
  }
  // GM, GM2 and no selection keep the captions of the last refresh.
}

void TForm6::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace tonalyx
