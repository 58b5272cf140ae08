#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tables/NameTables.h"

namespace tonalyx {

// What the user typed, split into words at blanks, each word keyed like the
// names (SearchKey.h). A name matches when its key holds every word. Assign
// reuses the storage of the previous words, so a search per keystroke
// allocates nothing once the words have been this long before.
class SearchWords {
 public:
  void Assign(std::string_view text);
  // No word at all (nothing typed, or only blanks, dots and hyphens): such a
  // search finds nothing rather than every name.
  bool IsEmpty() const { return words_.empty(); }
  bool MatchedBy(std::string_view key) const;

 private:
  struct Word {
    std::size_t start;
    std::size_t length;
  };
  std::string keys_;  // the words' keys one after another
  std::vector<Word> words_;
};

// A tone found: the program value (as CurrentProgram holds it), the bank and the name.
struct ToneHit {
  int program;
  int bank;
  std::string_view name;
};

// A drum sound found: the kit (as DrumKit holds it), the note and the instrument name.
struct DrumHit {
  int kit;
  int note;
  std::string_view name;
};

// Each search replaces the contents of hits with the names of one table's map that
// match the words, tones ordered by program and then bank, drum sounds by kit and then
// note. The hits' names point into the compiled-in tables. Tables not yet filled, and
// empty words, find nothing.
void FindGsTones(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<ToneHit>& hits);
void FindXgTones(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<ToneHit>& hits);
// The "Nothing" that stands on the notes without an instrument is no drum sound and
// is never found.
void FindGsDrums(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<DrumHit>& hits);
void FindXgDrums(const NameTables& tables, const SearchWords& words, std::vector<DrumHit>& hits);

}  // namespace tonalyx
