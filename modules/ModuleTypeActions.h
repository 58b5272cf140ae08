#pragma once

#include "app/AppContext.h"

namespace tonalyx {

// A different item became selected in the module type window: set
// ModuleType, the keyboard's middle-C label and the program window's menu
// items by the new type, then refresh the drum and program captions. Sends
// nothing.
void ApplyModuleType(AppContext& ctx);

// For the module type window's current selection: set ModuleType, the
// keyboard label, then send the module reset. Nothing when no item is selected.
void StartModuleReset(AppContext& ctx);

}  // namespace tonalyx
