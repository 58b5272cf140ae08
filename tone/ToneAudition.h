#pragma once

#include "ui/AppContext.h"

namespace tonalyx {

// Plays CurrentProgram in CurrentBank at TestNote on channel 1 with the
// controller values, by module type, and announces what the windows that
// follow the tone show.
void PlayTone(AppContext& ctx);
// Ends the test note: 90 TestNote 00.
void ReleaseTone(AppContext& ctx);

}  // namespace tonalyx
