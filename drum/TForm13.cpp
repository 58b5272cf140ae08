#include "drum/TForm13.h"

#include "app/UiLook.h"
#include "drum/KitButtons.h"

namespace tonalyx {
namespace {
// In button number order, which is the tab order; "Slim Kit" was added last
// and so tabs last, though it stands between "Skim Kit" and "Rogue Kit".
constexpr KitButtonPlace kXgKits[] = {
    {1, "Standard Kit", 0, 1, 1},
    {2, "Standard Kit 2", 1, 1, 2},
    {3, "Dry Kit", 2, 1, 3},
    {4, "Bright Kit", 3, 1, 4},
    {5, "Skim Kit", 4, 1, 5},
    {6, "Rogue Kit", 6, 1, 7},
    {7, "Hob Kit", 7, 1, 8},
    {8, "Room Kit", 8, 1, 9},
    {9, "Dark Room Kit", 9, 1, 10},
    {10, "Rock Kit", 16, 2, 1},
    {11, "Rock Kit 2", 17, 2, 2},
    {12, "Electro Kit", 24, 2, 3},
    {13, "Analog Kit", 25, 2, 4},
    {14, "Analog Kit 2", 26, 2, 5},
    {15, "Dance Kit", 27, 2, 6},
    {16, "Hip Hop Kit", 28, 2, 7},
    {17, "Jungle Kit", 29, 2, 8},
    {18, "Apogee Kit", 30, 2, 9},
    {19, "Perigee Kit", 31, 2, 10},
    {20, "Jazz Kit", 32, 3, 1},
    {21, "Jazz Kit 2", 33, 3, 2},
    {22, "Brush Kit", 40, 3, 3},
    {23, "Brush Kit 2", 41, 3, 4},
    {24, "Symphony Kit", 48, 3, 5},
    {25, "Tramp Kit", 64, 3, 6},
    {26, "Amber Kit", 65, 3, 7},
    {27, "Coffin Kit", 66, 3, 8},
    {28, "Standard Kit MU100", 126, 3, 9},
    {29, "Standard Kit MUBasic", 127, 3, 10},
    {30, "Slim Kit", 5, 1, 6},
};
constexpr int kSmallFontFirst = 28;  // the two long MU captions
constexpr int kSmallFontPixels = 11;
}  // namespace

TForm13::TForm13(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm13"));
  setWindowTitle(QStringLiteral("Rhytnalo Program Number"));
  ApplyDesignFont(*this);
  const std::vector<QPushButton*> buttons = CreateKitButtons(*this, kXgKits, ctx_);
  for (std::size_t i = kSmallFontFirst - 1; i <= kSmallFontFirst; ++i) {
    SetCaption(*buttons[i], kXgKits[i].caption, kSmallFontPixels);
  }
  move(428, 182);
  resize(449, 213);
}

}  // namespace tonalyx
