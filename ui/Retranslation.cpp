#include "ui/Retranslation.h"

#include <QWidget>

#include "ui/EventWatch.h"

namespace tonalyx {

void KeepTranslated(QWidget& window, const std::function<void()>& apply_texts) {
  apply_texts();
  WhenEventArrives(window, QEvent::LanguageChange, apply_texts);
}

}  // namespace tonalyx
