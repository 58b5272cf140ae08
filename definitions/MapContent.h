#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "definitions/NameMaps.h"
#include "tables/NameTables.h"

namespace tonalyx {

// The messages that select a sound: Bank Select MSB (controller 0), Bank
// Select LSB (controller 32), then the program change.
struct SoundSelect {
  int msb;
  int lsb;
  int program;  // 0..127, as sent

  // The bank as one number, MSB * 128 + LSB.
  int Bank() const { return msb * 128 + lsb; }
};

struct NamedTone {
  SoundSelect select;
  std::string_view name;
};

struct NamedNote {
  int note;
  std::string_view name;
};

// A drum kit, selected on the rhythm channel, with the names of its notes.
struct NamedKit {
  SoundSelect select;
  std::string_view name;
  std::vector<NamedNote> notes;  // by ascending note
};

// Everything a map names, as the tables hold it: no entry without a name.
struct MapContent {
  std::vector<NamedTone> tones;  // by ascending bank (MSB, then LSB), then program
  std::vector<NamedKit> kits;    // by ascending program
};

// The named tones and drum kits of `map` from filled tables. A GS tone is
// selected by MSB = its variation bank, LSB = the map's MapIndex; an XG tone
// by MSB 0, LSB = its bank. A GS kit is selected by MSB 0, LSB = MapIndex; an
// XG kit by the drum voice bank, MSB 127, LSB 0. The program change is the
// tone's program or the kit's number.
MapContent CollectMapContent(const NameTables& tables, const NameMap& map);

// The tones, or the kits, split into runs that share one bank, in their order.
template <typename Named>
std::vector<std::span<const Named>> BankRuns(const std::vector<Named>& sounds) {
  std::vector<std::span<const Named>> runs;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= sounds.size(); ++i) {
    if (i == sounds.size() || sounds[i].select.Bank() != sounds[start].select.Bank()) {
      runs.emplace_back(sounds.data() + start, i - start);
      start = i;
    }
  }
  return runs;
}

}  // namespace tonalyx
