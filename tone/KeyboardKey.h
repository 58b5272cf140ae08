#pragma once

#include <QWidget>

#include "ui/AuditionHold.h"

namespace tonalyx {

// One key of the keyboard window: a filled rectangle (white with a black
// outline, or black) that auditions while it is held. Down on mouse-down and
// Up on mouse-up, with any mouse button; it never takes the keyboard focus, so
// keys play nothing from the keyboard. If the key is hidden or its window
// loses activation during the hold, Up is sent then. It never changes colour.
class KeyboardKey : public QWidget {
  Q_OBJECT

 public:
  KeyboardKey(int note, bool black, QWidget* parent);
  int Note() const { return note_; }
  bool IsBlack() const { return black_; }

 signals:
  void Down(int note);
  void Up(int note);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int note_;
  bool black_;
  AuditionHold hold_;
};

}  // namespace tonalyx
