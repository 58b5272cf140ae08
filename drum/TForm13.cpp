#include "drum/TForm13.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm13::TForm13(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm13"));
  setWindowTitle(QStringLiteral("Rhytnalo Program Number"));
  ApplyDesignFont(*this);
}


}  // namespace tonalyx
