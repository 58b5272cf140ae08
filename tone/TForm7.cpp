#include "tone/TForm7.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm7::TForm7(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm7"));
  setWindowTitle(QStringLiteral("エフェクト"));
  ApplyDesignFont(*this);
}

ControllerValues TForm7::Values() const { return {}; }

}  // namespace tonalyx
