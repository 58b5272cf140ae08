#include "drum/TForm4.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm4::TForm4(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(QStringLiteral("Rhytmalo"));
  ApplyDesignFont(*this);
}

void TForm4::RefreshDrumCaptions() {}

}  // namespace tonalyx
