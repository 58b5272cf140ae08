#include "ui/PointerEnter.h"

#include <QWidget>
#include <utility>

#include "ui/EventWatch.h"

namespace tonalyx {

void WhenPointerEnters(QWidget& control, std::function<void()> entered) {
  WhenEventArrives(control, QEvent::Enter, std::move(entered));
}

}  // namespace tonalyx
