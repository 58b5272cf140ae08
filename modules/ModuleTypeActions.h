#pragma once

#include "ui/AppContext.h"

namespace tonalyx {

// A different item became selected in the module type window: set
// ModuleType by the new selection and announce it (the keyboard's middle-C
// label and the program window's menu items follow), then the drum and
// program captions are refreshed. Sends nothing.
void ApplyModuleType(AppContext& ctx);

// For the module type window's current selection: set ModuleType and announce
// it, then send the module reset, which the chosen effect types follow 50 ms
// later. Nothing when no item is selected.
void StartModuleReset(AppContext& ctx);

}  // namespace tonalyx
