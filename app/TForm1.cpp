#include "app/TForm1.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm1::TForm1(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Tonalyx Main"));
  ApplyDesignFont(*this);
}


}  // namespace tonalyx
