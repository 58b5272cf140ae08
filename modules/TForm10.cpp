#include "modules/TForm10.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm10::TForm10(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm10"));
  setWindowTitle(QStringLiteral("音源マップの設定"));
  ApplyDesignFont(*this);
}

}  // namespace tonalyx
