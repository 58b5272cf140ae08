#include "modules/TForm9.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm9::TForm9(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("音源マップの設定"));
  ApplyDesignFont(*this);
}

}  // namespace tonalyx
