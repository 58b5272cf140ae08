#pragma once

#include <set>

#include "tables/NameTables.h"

namespace tonalyx::test {

// One filled table set shared by the read-only tests.
inline const NameTables& Filled() {
  static const NameTables kTables = [] {
    NameTables t;
    t.FillNameTables();
    return t;
  }();
  return kTables;
}

// Banks 0..127 holding at least one name in the given tone map.
std::set<int> GsBanksWithNames(int map);
std::set<int> XgBanksWithNames(int map);

// The banks first..last.
std::set<int> Banks(std::initializer_list<std::pair<int, int>> ranges);

}  // namespace tonalyx::test
