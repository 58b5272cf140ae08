#pragma once

// Lets tests compare a module type, or the module type window's selection,
// with the number the settings file stores for it ("type": 0 GS, 1 XG, 2 GM,
// 3 GM2, -1 nothing selected), and print it when a comparison fails.

#include <QTest>
#include <optional>

#include "midi/ModuleKind.h"

namespace tonalyx {

inline bool operator==(ModuleKind type, int stored) { return StoredModuleType(type) == stored; }
inline bool operator==(const std::optional<ModuleKind>& selection, int stored) {
  return StoredModuleType(selection) == stored;
}

inline char* ToString(const std::optional<ModuleKind>& selection) {
  return QTest::toString(StoredModuleType(selection));
}

}  // namespace tonalyx
