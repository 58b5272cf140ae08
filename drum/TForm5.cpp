#include "drum/TForm5.h"

#include "app/UiLook.h"
#include "app/WindowGeometry.h"
#include "drum/KitButtons.h"

namespace tonalyx {
namespace {
// The captions keep the spellings users know from this window, "ELECTORNIC"
// and "RHYTHM FS 2" included.
constexpr KitButtonPlace kGsKits[] = {
    {1, "STANDARD 1", 0, 1, 1},
    {2, "STANDARD 2", 1, 1, 2},
    {3, "STANDARD L/R", 2, 1, 3},
    {4, "ROOM", 8, 1, 4},
    {5, "HIP HOP", 9, 1, 5},
    {6, "JUNGLE", 10, 1, 6},
    {7, "TECHNO", 11, 1, 7},
    {8, "ROOM L/R", 12, 1, 8},
    {9, "HOUSE", 13, 1, 9},
    {10, "POWER", 16, 1, 10},
    {11, "ELECTORNIC", 24, 2, 1},
    {12, "TR-808", 25, 2, 2},
    {13, "DANCE", 26, 2, 3},
    {14, "CR-78", 27, 2, 4},
    {15, "TR-606", 28, 2, 5},
    {16, "TR-707", 29, 2, 6},
    {17, "TR-909", 30, 2, 7},
    {18, "JAZZ", 32, 2, 8},
    {19, "JAZZ L/R", 33, 2, 9},
    {20, "BRUSH", 40, 2, 10},
    {21, "BRUSH 2", 41, 3, 1},
    {22, "BRUSH 2 L/R", 42, 3, 2},
    {23, "ORCHESTRA", 48, 3, 3},
    {24, "ETHNIC", 49, 3, 4},
    {25, "KICK and SNARE", 50, 3, 5},
    {26, "KICK and SNARE 2", 51, 3, 6},
    {27, "ASIA", 52, 3, 7},
    {28, "CYMBALandCLAPS", 53, 3, 8},
    {29, "GAMELAN 1", 54, 3, 9},
    {30, "GAMELAN 2", 55, 3, 10},
    {31, "SFX", 56, 4, 1},
    {32, "RHYTHM FX", 57, 4, 2},
    {33, "RHYTHM FS 2", 58, 4, 3},
    {34, "RHYTHM FX 3", 59, 4, 4},
    {35, "FSX 2", 60, 4, 5},
    {36, "VOICE", 61, 4, 6},
    {37, "CYM and CLAPS 2", 62, 4, 7},
    {38, "CM-64/32L", 127, 4, 8},
};
}  // namespace

TForm5::TForm5(AppContext& context) : ctx_(context) {
  setObjectName(QStringLiteral("TForm5"));
  setWindowTitle(QStringLiteral("Rhytmalo Program Number"));
  ApplyDesignFont(*this);
  CreateKitButtons(*this, kGsKits, ctx_);
  ReadGeometry(*this, ctx_.settingsPath, "Window5", {219, 445, 71, 460});
}

}  // namespace tonalyx
