#pragma once

#include <array>

#include "ui/AppContext.h"

class QWidget;

namespace tonalyx {

class AuditionButton;

// The 128 audition buttons of the program and bank windows: Button1..Button128
// in four columns of sixteen, 64..127 in a second block 264 pixels lower,
// each 177 x 17 from the given top. Mouse-down on button n stores n - 1 into
// the given state field and plays the tone; mouse-up ends it. The handlers use
// only the shared context, so a note ended while the window is being torn
// down still reaches the port.
std::array<AuditionButton*, 128> CreateToneButtonGrid(QWidget& parent, int top, AppContext& ctx,
                                                      int SharedState::*stored_number);

}  // namespace tonalyx
