#include "TestTables.h"

namespace tonalyx::test {

std::set<int> GsBanksWithNames(int map) {
  std::set<int> banks;
  for (int bank = 0; bank < 128; ++bank) {
    for (int row = 0; row <= 128; ++row) {
      if (!Filled().GsTone(row, bank, map).empty()) {
        banks.insert(bank);
        break;
      }
    }
  }
  return banks;
}

std::set<int> XgBanksWithNames(int map) {
  std::set<int> banks;
  for (int bank = 0; bank < 128; ++bank) {
    for (int program = 0; program < 128; ++program) {
      if (!Filled().XgTone(program, bank, map).empty()) {
        banks.insert(bank);
        break;
      }
    }
  }
  return banks;
}

std::set<int> Banks(std::initializer_list<std::pair<int, int>> ranges) {
  std::set<int> banks;
  for (const auto& [first, last] : ranges) {
    for (int bank = first; bank <= last; ++bank) banks.insert(bank);
  }
  return banks;
}

}  // namespace tonalyx::test
