#include "modules/TForm3.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm3::TForm3(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("音源の種類"));
  ApplyDesignFont(*this);
}

int TForm3::Selection() const { return 0; }
void TForm3::RestoreSelection(int) {}

}  // namespace tonalyx
