#include "tone/TForm2.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm2::TForm2(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("Tonalyx Program Number"));
  ApplyDesignFont(*this);
}

void TForm2::RefreshProgramCaptions() {}
void TForm2::SetTypeMenusEnabled(bool) {}

}  // namespace tonalyx
