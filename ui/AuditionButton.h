#pragma once

#include <QPushButton>

#include "ui/AuditionHold.h"

namespace tonalyx {

// A push button that auditions while it is held: Down on mouse-down and Up on
// mouse-up, with any mouse button. Keyboard activation plays nothing, since
// nothing listens to the button's clicked signal. If the button is hidden or
// its window loses activation during the hold, Up is sent then.
class AuditionButton : public QPushButton {
  Q_OBJECT

 public:
  AuditionButton(int number, QWidget* parent);
  int Number() const { return number_; }

 signals:
  void Down(int number);
  void Up(int number);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int number_;
  AuditionHold hold_;
};

}  // namespace tonalyx
