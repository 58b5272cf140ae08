#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace tonalyx {

// Remembers the presses of one audition control whose note has not been
// ended yet, so that the note is ended even when the control never gets its
// mouse-up: the control is hidden (its window hidden or closed) or its window
// loses activation during the hold, or the program quits.
class AuditionHold : public QObject {
 public:
  // Watches the control's hide and deactivation events.
  AuditionHold(QWidget& control, std::function<void()> end_note);
  ~AuditionHold() override;

  // A press has started a note.
  void Started();
  // The mouse-up of a press: ends its note, unless it was ended already.
  void MouseUp();
  // Ends every note this control still holds (no mouse-up will come).
  void EndAll();
  bool IsHeld() const { return pending_ > 0; }

  // Ends the held notes of every control; the program calls it before it
  // silences and closes the device at exit.
  static void EndAllHeld();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EndOne();

  std::function<void()> end_note_;
  int pending_ = 0;
};

}  // namespace tonalyx
