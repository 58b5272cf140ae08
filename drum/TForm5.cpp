#include "drum/TForm5.h"

#include "app/UiLook.h"

namespace tonalyx {

TForm5::TForm5(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Rhytmalo Program Number"));
  ApplyDesignFont(*this);
}


}  // namespace tonalyx
