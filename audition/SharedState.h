#pragma once

#include <optional>

#include "audition/ControllerValues.h"
#include "midi/ModuleKind.h"

namespace tonalyx {

// The values the windows share: what is selected and what plays next. Each
// value is written by the window that owns it and read by the others.
struct SharedState {
  ModuleKind ModuleType = ModuleKind::kGs;  // the type the auditions play for
  // The module type window's selection. ModuleType follows it whenever an
  // item is selected; it is empty only after a saved type below 0 was put
  // into the window, and ModuleType then keeps its value.
  std::optional<ModuleKind> selected_type = ModuleKind::kGs;
  int MapIndex = 4;    // GS tone map 0..4, also the Bank Select LSB sent
  int XgMapIndex = 0;  // XG tone map 0..5, never sent
  int CurrentProgram = 0;
  int CurrentBank = 0;
  int TestNote = 60;
  int DrumKit = 0;
  int DrumNote = 0;
  // The controller window's bar positions as they stand now.
  ControllerValues controllers;
};

}  // namespace tonalyx
