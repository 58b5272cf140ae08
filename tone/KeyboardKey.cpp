#include "tone/KeyboardKey.h"

#include <QMouseEvent>
#include <QPainter>

namespace tonalyx {

KeyboardKey::KeyboardKey(int note, bool black, QWidget* parent)
    : QWidget(parent), note_(note), black_(black), hold_([this] { emit Up(note_); }) {
  setFocusPolicy(Qt::NoFocus);
}

void KeyboardKey::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (black_) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void KeyboardKey::mousePressEvent(QMouseEvent* event) {
  event->accept();
  hold_.Started();
  emit Down(note_);
}

void KeyboardKey::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (hold_.IsHeld()) hold_.MouseUp();
}

void KeyboardKey::hideEvent(QHideEvent* event) {
  hold_.EndAll();
  QWidget::hideEvent(event);
}

bool KeyboardKey::event(QEvent* event) {
  // A window passes its deactivation down to its visible children as
  // WindowDeactivate; ActivationChange reaches only the window itself.
  if (event->type() == QEvent::WindowDeactivate) hold_.EndAll();
  return QWidget::event(event);
}

}  // namespace tonalyx
