#include "tone/KeyboardKey.h"

#include <QMouseEvent>
#include <QPainter>

namespace tonalyx {

KeyboardKey::KeyboardKey(int note, bool black, QWidget* parent)
    : QWidget(parent), note_(note), black_(black), hold_(*this, [this] { emit Up(note_); }) {
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
  hold_.MouseUp();
}

}  // namespace tonalyx
