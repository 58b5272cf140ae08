#include "ui/AuditionButton.h"

#include <QMouseEvent>

namespace tonalyx {

AuditionButton::AuditionButton(int number, QWidget* parent)
    : QPushButton(parent), number_(number), hold_(*this, [this] { emit Up(number_); }) {
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
  hold_.MouseUp();
}

}  // namespace tonalyx
