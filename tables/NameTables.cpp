#include "tables/NameTables.h"

namespace tonalyx {

std::string_view NameTables::GsTone(int, int, int) const { return {}; }
std::string_view NameTables::XgTone(int, int, int) const { return {}; }
std::string_view NameTables::GsDrum(int, int, int) const { return {}; }
std::string_view NameTables::XgDrum(int, int) const { return {}; }

}  // namespace tonalyx
