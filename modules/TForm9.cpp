#include "modules/TForm9.h"

#include <QCloseEvent>
#include <array>

#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "drum/TForm4.h"
#include "modules/MapChoice.h"
#include "tone/TForm2.h"
#include "tone/TForm6.h"

namespace tonalyx {
namespace {
// MapIndex of RadioButton1 .. RadioButton5: newest map first.
constexpr std::array<int, 5> kMapIndex = {4, 3, 2, 1, 0};
}  // namespace

TForm9::TForm9(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("音源マップの設定"));
  ApplyDesignFont(*this);
  const std::array<QString, 5> captions = {
      QStringLiteral("SC-8850 Map"), QStringLiteral("SC-88Pro Map"), QStringLiteral("SC-88 Map"),
      QStringLiteral("SC-55Map"), QStringLiteral("GS(TG-300B Map)")};
  BuildMapChoice(*this, captions, [this](int number) { RadioButtonClick(number); });
  ReadGeometry(*this, ctx_.settingsPath, "Window9", {201, 253, 104, 154});
}

void TForm9::RadioButtonClick(int number) {
  ctx_.state.MapIndex = kMapIndex[static_cast<std::size_t>(number - 1)];
  // The map changes the GS names of every window at once; nothing is sent
  // until the next audition carries it as Bank Select LSB.
  if (ctx_.forms.form4) ctx_.forms.form4->RefreshDrumCaptions();
  if (ctx_.forms.form2) ctx_.forms.form2->RefreshProgramCaptions();
  if (ctx_.forms.form6) ctx_.forms.form6->RefreshBankCaptions();
}

void TForm9::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

}  // namespace tonalyx
