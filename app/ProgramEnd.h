#pragma once

#include "app/StopSignals.h"

namespace tonalyx {

class TForm1;

// Ties the program's life to its main window. Made before the windows, so
// that a stop signal arriving early waits for the main window, and hiding the
// last visible window (a message box at start-up included) never ends the
// program. Once the main window has closed (held notes ended, the device
// closed, the settings stored) the event loop ends with status 0, and a stop
// signal closes the main window the ordinary way. The other windows play no
// part: closing them only hides them.
class ProgramEnd {
 public:
  ProgramEnd();

  void EndWith(TForm1& mainWindow);

 private:
  StopSignals stopSignals_;
};

}  // namespace tonalyx
