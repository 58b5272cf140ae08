#include "tone/TForm6.h"

#include <QCloseEvent>

#include "app/AuditionButton.h"
#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "modules/TForm3.h"
#include "tone/ToneAudition.h"

namespace tonalyx {

TForm6::TForm6(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("バンクセレクト MSB"));
  ApplyDesignFont(*this);

  // Button n selects bank n - 1: four columns of sixteen, banks 64..127 in a
  // second block below the first.
  for (int n = 1; n <= 128; ++n) {
    const int k = n - 1;
    const int block = k / 64;
    const int column = (k % 64) / 16;
    const int row = k % 16;
    auto* button = new AuditionButton(n, this);
    button->setObjectName(QStringLiteral("Button%1").arg(n));
    button->setGeometry(8 + 176 * column, 8 + 264 * block + 16 * row, 177, 17);
    AppContext& ctx = ctx_;
    connect(button, &AuditionButton::Down, button, [&ctx](int number) {
      ctx.state.CurrentBank = number - 1;
      PlayTone(ctx);
    });
    connect(button, &AuditionButton::Up, button, [&ctx](int) { ReleaseTone(ctx); });
    buttons_[static_cast<std::size_t>(k)] = button;
  }

  ReadGeometry(*this, ctx_.settingsPath, "Window6", {562, 729, 187, 287});
}

void TForm6::RefreshBankCaptions() {
  const int selection = ctx_.forms.form3 ? ctx_.forms.form3->Selection() : -1;
  const int program = ctx_.state.CurrentProgram;
  if (selection == 0) {
    // The GS table is indexed by program value + 1.
    const int map = ctx_.state.MapIndex;
    for (int n = 1; n <= 128; ++n)
      buttons_[static_cast<std::size_t>(n - 1)]->setText(
          CaptionText(ctx_.tables.GsTone(program + 1, n - 1, map)));
  } else if (selection == 1) {
    const int map = ctx_.state.XgMapIndex;
    for (int n = 1; n <= 128; ++n)
      buttons_[static_cast<std::size_t>(n - 1)]->setText(
          CaptionText(ctx_.tables.XgTone(program, n - 1, map)));
  }
  // GM, GM2 and no selection keep the captions of the last refresh.
}

void TForm6::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace tonalyx
