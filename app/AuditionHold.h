#pragma once

#include <functional>

namespace tonalyx {

// Remembers the presses of one audition control whose note has not been
// ended yet, so that the note is ended even when the control never gets its
// mouse-up: its window is hidden or closed during the hold, the program loses
// the mouse, or the program quits.
class AuditionHold {
 public:
  explicit AuditionHold(std::function<void()> endNote);
  ~AuditionHold();
  AuditionHold(const AuditionHold&) = delete;
  AuditionHold& operator=(const AuditionHold&) = delete;

  // A press has started a note.
  void Started();
  // The mouse-up of a press: ends its note.
  void MouseUp();
  // Ends every note this control still holds (no mouse-up will come).
  void EndAll();
  bool IsHeld() const { return pending_ > 0; }

  // Ends the held notes of every control; the program calls it before it
  // silences and closes the device at exit.
  static void EndAllHeld();

 private:
  std::function<void()> endNote_;
  int pending_ = 0;
};

}  // namespace tonalyx
