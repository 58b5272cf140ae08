#include "tone/TForm6.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm6::TForm6(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm6"));
  setWindowTitle(QStringLiteral("バンクセレクト MSB"));
  ApplyDesignFont(*this);
}

void TForm6::RefreshBankCaptions() {}

}  // namespace tonalyx
