#include "drum/TForm11.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm11::TForm11(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm11"));
  setWindowTitle(QStringLiteral("情報"));
  ApplyDesignFont(*this);
}


}  // namespace tonalyx
