#pragma once

#include <cstdint>

namespace tonalyx {

// The values the windows share: what is selected and what plays next.
struct SharedState {
  std::uint8_t ModuleType = 0;  // 0 GS, 1 XG, 2 GM, 3 GM2
  int MapIndex = 4;             // GS tone map 0..4, also the Bank Select LSB sent
  int XgMapIndex = 0;           // XG tone map 0..5, never sent
  int CurrentProgram = 0;
  int CurrentBank = 0;
  int TestNote = 60;
  int DrumKit = 0;
  int DrumNote = 0;
};

}  // namespace tonalyx
