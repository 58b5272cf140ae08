#pragma once

#include "app/AppContext.h"

namespace tonalyx {

// Plays CurrentProgram in CurrentBank at TestNote on channel 1 with the
// controller window's values, by module type, and refreshes the windows that
// follow the tone.
void PlayTone(AppContext& ctx);
// Ends the test note: 90 TestNote 00.
void ReleaseTone(AppContext& ctx);

}  // namespace tonalyx
