#pragma once

#include "app/StopSignals.h"

namespace tonalyx {

class TForm1;

// Ties the program's life to its main window. Made before the windows, so
// that hiding the last visible window (a message box at start-up included)
// never ends the program, and a stop signal is caught from the start. The
// end of a Windows session closes the main window like a stop signal. Once
// the main window has closed (held notes ended, the device closed, the
// settings stored) the event loop ends with status 0, and a stop signal
// closes the main window the ordinary way. The other windows play no part:
// closing them only hides them.
class ProgramEnd {
 public:
  ProgramEnd();

  // Shows the main window and ends the program when it closes. A stop
  // signal that came while the windows were being made (a start-up message
  // box waiting for the user is closed by it) closes the main window at once
  // instead of showing it.
  void Start(TForm1& main_window);

 private:
  StopSignals stop_signals_;
  TForm1* main_window_ = nullptr;
  bool stop_requested_ = false;
};

}  // namespace tonalyx
