#include "tone/TForm12.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm12::TForm12(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm12"));
  setWindowTitle(QStringLiteral("情報"));
  ApplyDesignFont(*this);
}

void TForm12::ShowTone(int, int, std::string_view) {}

}  // namespace tonalyx
