#include "ui/AuditionHold.h"

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

void Forget(AuditionHold* hold) { std::erase(Held(), hold); }
}  // namespace

AuditionHold::AuditionHold(QWidget& control, std::function<void()> end_note)
    : end_note_(std::move(end_note)) {
  control.installEventFilter(this);
}

AuditionHold::~AuditionHold() { Forget(this); }

void AuditionHold::Started() {
  if (pending_++ == 0) Held().push_back(this);
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

bool AuditionHold::eventFilter(QObject*, QEvent* event) {
  // A hidden window hides its controls; a window passes its deactivation
  // down to its controls as WindowDeactivate (ActivationChange reaches only
  // the window itself). Either way no mouse-up will come.
  if (event->type() == QEvent::Hide || event->type() == QEvent::WindowDeactivate) EndAll();
  return false;
}

}  // namespace tonalyx
