#include "ui/PopupComboBox.h"

namespace tonalyx {

void PopupComboBox::showPopup() {
  if (before_popup_) before_popup_();
  QComboBox::showPopup();
}

}  // namespace tonalyx
