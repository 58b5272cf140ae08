#include "tone/TForm8.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm8::TForm8(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm8"));
  setWindowTitle(QStringLiteral("鍵盤"));
  ApplyDesignFont(*this);
}

void TForm8::SetMiddleCLabel(const QString&) {}

}  // namespace tonalyx
