#include "app/AuditionButton.h"

#include <QMouseEvent>

namespace tonalyx {

AuditionButton::AuditionButton(int number, QWidget* parent)
    : QPushButton(parent), number_(number), hold_([this] { emit Up(number_); }) {
  setFocusPolicy(Qt::StrongFocus);
}

void AuditionButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);  // sunken look; nothing listens to clicked
  event->accept();
  hold_.Started();
  emit Down(number_);
}

void AuditionButton::mouseReleaseEvent(QMouseEvent* event) {
  QPushButton::mouseReleaseEvent(event);
  event->accept();
  if (hold_.IsHeld()) hold_.MouseUp();
}

void AuditionButton::hideEvent(QHideEvent* event) {
  hold_.EndAll();
  QPushButton::hideEvent(event);
}

bool AuditionButton::event(QEvent* event) {
  // A window passes its deactivation down to its children as
  // WindowDeactivate; ActivationChange reaches only the window itself.
  if (event->type() == QEvent::WindowDeactivate) hold_.EndAll();
  return QPushButton::event(event);
}

}  // namespace tonalyx
