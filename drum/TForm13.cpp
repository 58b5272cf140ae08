#include "drum/TForm13.h"

#include "app/UiLook.h"
#include "drum/KitButtons.h"
#include "tables/KitNames.h"

namespace tonalyx {
namespace {
// In button number order, which is the tab order; "Slim Kit" was added last
// and so tabs last, though it stands between "Skim Kit" and "Rogue Kit".
// {button, kit, column, row}; captions from XgKitName.
constexpr KitButtonPlace kXgKits[] = {
    {1, 0, 1, 1},   {2, 1, 1, 2},   {3, 2, 1, 3},    {4, 3, 1, 4},     {5, 4, 1, 5},
    {6, 6, 1, 7},   {7, 7, 1, 8},   {8, 8, 1, 9},    {9, 9, 1, 10},    {10, 16, 2, 1},
    {11, 17, 2, 2}, {12, 24, 2, 3}, {13, 25, 2, 4},  {14, 26, 2, 5},   {15, 27, 2, 6},
    {16, 28, 2, 7}, {17, 29, 2, 8}, {18, 30, 2, 9},  {19, 31, 2, 10},  {20, 32, 3, 1},
    {21, 33, 3, 2}, {22, 40, 3, 3}, {23, 41, 3, 4},  {24, 48, 3, 5},   {25, 64, 3, 6},
    {26, 65, 3, 7}, {27, 66, 3, 8}, {28, 126, 3, 9}, {29, 127, 3, 10}, {30, 5, 1, 6},
};
constexpr int kSmallFontFirst = 28;  // the two long MU captions
constexpr int kSmallFontPixels = 11;
}  // namespace

TForm13::TForm13(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm13"));
  setWindowTitle(QStringLiteral("Rhytnalo Program Number"));
  ApplyDesignFont(*this);
  const std::vector<QPushButton*> buttons = CreateKitButtons(*this, kXgKits, XgKitName, ctx_);
  for (std::size_t i = kSmallFontFirst - 1; i <= kSmallFontFirst; ++i) {
    SetCaption(*buttons[i], XgKitName(kXgKits[i].kit), kSmallFontPixels);
  }
  move(428, 182);
  resize(449, 213);
}

}  // namespace tonalyx
