#include "modules/TForm9.h"

#include <array>

#include "modules/MapChoice.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {
namespace {
// MapIndex of RadioButton1 .. RadioButton5: newest map first.
constexpr std::array<int, 5> kMapIndex = {4, 3, 2, 1, 0};
}  // namespace

TForm9::TForm9(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm9"));
  KeepTranslated(*this, [this] { setWindowTitle(tr("音源マップの設定")); });
  ApplyDesignFont(*this);
  const std::array<QString, 5> captions = {
      QStringLiteral("SC-8850 Map"), QStringLiteral("SC-88Pro Map"), QStringLiteral("SC-88 Map"),
      QStringLiteral("SC-55Map"), QStringLiteral("GS(TG-300B Map)")};
  BuildMapChoice(*this, captions, [this](int number) { RadioButtonClick(number); });
  ReadGeometry(*this, ctx_.settings_path, WindowSection(9));
}

void TForm9::RadioButtonClick(int number) {
  ctx_.state.MapIndex = kMapIndex[static_cast<std::size_t>(number - 1)];
  emit ctx_.events.ToneMapChanged();
  // The map changes the GS names of every window at once; nothing is sent
  // until the next audition carries it as Bank Select LSB.
  ctx_.events.RefreshCaptions(Events::Caption::kDrum | Events::Caption::kProgram |
                              Events::Caption::kBank);
}

}  // namespace tonalyx
