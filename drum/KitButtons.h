#pragma once

#include <QPushButton>
#include <span>
#include <string_view>
#include <vector>

#include "app/AppContext.h"

namespace tonalyx {

// One button of a drum kit window: its number (objectName "Button<number>"),
// the kit it selects, and its column (1..4) and row (1..10).
struct KitButtonPlace {
  int number;
  int kit;
  int column;
  int row;
};

// Creates the kit buttons of a window in the order given, which is also their
// tab order, each captioned with its kit's name. A click, or the space bar on a
// focused button, selects the kit.
std::vector<QPushButton*> CreateKitButtons(QWidget& window, std::span<const KitButtonPlace> places,
                                           std::string_view (*kitName)(int kit), AppContext& ctx);

// What every kit button does: DrumKit := kit, then the drum note window
// re-captions its buttons. Nothing is sent; the kit reaches the module with
// the next note press.
void SelectDrumKit(AppContext& ctx, int kit);

}  // namespace tonalyx
