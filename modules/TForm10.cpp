#include "modules/TForm10.h"

#include <array>

#include "modules/MapChoice.h"
#include "ui/Retranslation.h"
#include "ui/UiLook.h"
#include "ui/WindowGeometry.h"

namespace tonalyx {

TForm10::TForm10(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm10"));
  KeepTranslated(*this, [this] { setWindowTitle(tr("音源マップの設定")); });
  ApplyDesignFont(*this);
  const std::array<QString, 6> captions = {
      QStringLiteral("MU1000/2000 Extension"), QStringLiteral("MU128 Extension"),
      QStringLiteral("MU100 Extension"),       QStringLiteral("MU90  Extension"),
      QStringLiteral("MU80  Extension"),       QStringLiteral("XG")};
  BuildMapChoice(*this, captions, [this](int number) { RadioButtonClick(number); });
  ReadGeometry(*this, ctx_.settings_path, WindowSection(10));
}

void TForm10::RadioButtonClick(int number) {
  // RadioButton1 .. RadioButton6 stand for XgMapIndex 0 .. 5. The captions
  // follow at their next refresh; nothing is refreshed or sent now.
  ctx_.state.XgMapIndex = number - 1;
}

}  // namespace tonalyx
