#include "ui/AuditionHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace tonalyx {
namespace {
// The controls that hold a note right now; few at a time, so a vector will do.
std::vector<AuditionHold*>& Held() {
  static std::vector<AuditionHold*> held;
  return held;
}

// Watches the whole program while any note is held, for what takes the mouse
// from every control at once: a popup opens (a menu, also one opened from the
// keyboard, a context menu, a drop-down list) and takes the mouse-up wherever
// the pointer is, or another widget takes the mouse grab. Nothing tells of a
// grab, so it is seen at the next event, at the latest the mouse-up itself.
class MouseTakenWatch : public QObject {
 public:
  static void Watch(bool any_held) {
    static MouseTakenWatch watch;
    if (any_held)
      QCoreApplication::instance()->installEventFilter(&watch);
    else if (QCoreApplication* application = QCoreApplication::instance())
      application->removeEventFilter(&watch);
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    const bool popup = event->type() == QEvent::Show && receiver->isWidgetType() &&
                       static_cast<QWidget*>(receiver)->windowType() == Qt::Popup;
    if (popup || QWidget::mouseGrabber() != nullptr) AuditionHold::EndAllHeld();
    return false;
  }
};

void Forget(AuditionHold* hold) {
  std::erase(Held(), hold);
  if (Held().empty()) MouseTakenWatch::Watch(false);
}
}  // namespace

AuditionHold::AuditionHold(QWidget& control, std::function<void()> end_note)
    : end_note_(std::move(end_note)) {
  control.installEventFilter(this);
}

AuditionHold::~AuditionHold() { Forget(this); }

void AuditionHold::Started() {
  if (pending_++ > 0) return;
  Held().push_back(this);
  if (Held().size() == 1) MouseTakenWatch::Watch(true);
}

void AuditionHold::MouseUp() {
  if (IsHeld()) EndOne();
}

void AuditionHold::EndOne() {
  if (--pending_ == 0) Forget(this);
  end_note_();
}

void AuditionHold::EndAll() {
  while (IsHeld()) EndOne();
}

void AuditionHold::EndAllHeld() {
  // Copy first: ending a note removes the control from the list.
  const std::vector<AuditionHold*> held = Held();
  for (AuditionHold* hold : held) hold->EndAll();
}

bool AuditionHold::eventFilter(QObject* watched, QEvent* event) {
  // A hidden window hides its controls; a window passes its deactivation
  // down to its controls as WindowDeactivate (ActivationChange reaches only
  // the window itself), and its disabling as EnabledChange. Either way no
  // mouse-up will come.
  const QEvent::Type type = event->type();
  if (type == QEvent::Hide || type == QEvent::WindowDeactivate ||
      (type == QEvent::EnabledChange && !static_cast<QWidget*>(watched)->isEnabled()))
    EndAll();
  return false;
}

}  // namespace tonalyx
