#pragma once

#include <string_view>

namespace tonalyx {

// The compiled-in tone and drum names. The data is constant and built into the
// program; filling only makes it visible. Before FillNameTables every lookup
// yields the empty string.
class NameTables {
 public:
  void FillNameTables() { filled_ = true; }
  bool IsFilled() const { return filled_; }

  // GS tone name: row = program value + 1 (0..128), bank 0..127, map 0..4.
  std::string_view GsTone(int row, int bank, int map) const;
  // XG tone name: program 0..127, bank 0..127, map 0..5.
  std::string_view XgTone(int program, int bank, int map) const;
  // GS drum name: kit 0..127, note 0..127, map 0..4.
  std::string_view GsDrum(int kit, int note, int map) const;
  // XG drum name: kit 0..127, note 0..127.
  std::string_view XgDrum(int kit, int note) const;

 private:
  bool filled_ = false;
};

}  // namespace tonalyx
