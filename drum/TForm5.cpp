#include "drum/TForm5.h"

#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "drum/KitButtons.h"
#include "tables/KitNames.h"

namespace tonalyx {
namespace {
// {button, kit, column, row}; captions from GsKitName.
constexpr KitButtonPlace kGsKits[] = {
    {1, 0, 1, 1},   {2, 1, 1, 2},   {3, 2, 1, 3},    {4, 8, 1, 4},   {5, 9, 1, 5},
    {6, 10, 1, 6},  {7, 11, 1, 7},  {8, 12, 1, 8},   {9, 13, 1, 9},  {10, 16, 1, 10},
    {11, 24, 2, 1}, {12, 25, 2, 2}, {13, 26, 2, 3},  {14, 27, 2, 4}, {15, 28, 2, 5},
    {16, 29, 2, 6}, {17, 30, 2, 7}, {18, 32, 2, 8},  {19, 33, 2, 9}, {20, 40, 2, 10},
    {21, 41, 3, 1}, {22, 42, 3, 2}, {23, 48, 3, 3},  {24, 49, 3, 4}, {25, 50, 3, 5},
    {26, 51, 3, 6}, {27, 52, 3, 7}, {28, 53, 3, 8},  {29, 54, 3, 9}, {30, 55, 3, 10},
    {31, 56, 4, 1}, {32, 57, 4, 2}, {33, 58, 4, 3},  {34, 59, 4, 4}, {35, 60, 4, 5},
    {36, 61, 4, 6}, {37, 62, 4, 7}, {38, 127, 4, 8},
};
}  // namespace

TForm5::TForm5(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Rhytmalo Program Number"));
  ApplyDesignFont(*this);
  CreateKitButtons(*this, kGsKits, GsKitName, ctx_);
  ReadGeometry(*this, ctx_.settingsPath, "Window5", {219, 445, 71, 460});
}

}  // namespace tonalyx
