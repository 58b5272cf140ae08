#include "tables/NameSearch.h"

#include <cassert>
#include <cstdint>

#include "tables/NameTableData.h"
#include "tables/SearchKey.h"

namespace tonalyx {
namespace {

using namespace name_data;

std::string_view Slice(const char* pool, const std::uint32_t* starts, std::uint16_t number) {
  const std::uint32_t start = starts[number];
  return {pool + start, starts[number + 1] - start};
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Where the cells of one map lie in a dense array: cell (outer, inner) is
// cells[map + outer * outerStride + inner * innerStride + offset], for outer and inner
// 0..127. Scanning outer first, then inner, gives the hits in the order of the two keys.
struct MapLayout {
  const std::uint16_t* cells;
  int map;
  int mapCount;
  std::size_t outerStride;
  std::size_t innerStride;
  std::size_t offset = 0;
};

constexpr int kKeyCount = 128;

template <typename Hit>
void Scan(const NameTables& tables, const MapLayout& layout, std::string_view skipped,
          const SearchWords& words, std::vector<Hit>& hits) {
  hits.clear();
  const bool validMap = layout.map >= 0 && layout.map < layout.mapCount;
  assert(validMap && "map out of range");
  if (!validMap || !tables.IsFilled() || words.IsEmpty()) return;
  const std::uint16_t* first = layout.cells + layout.offset + layout.map;
  for (int outer = 0; outer < kKeyCount; ++outer) {
    const std::uint16_t* row = first + outer * layout.outerStride;
    for (int inner = 0; inner < kKeyCount; ++inner) {
      const std::uint16_t number = row[inner * layout.innerStride];
      if (number == 0 || !words.MatchedBy(Slice(kSearchKeyPool, kSearchKeyStart, number))) continue;
      const std::string_view name = Slice(kTextPool, kTextStart, number);
      if (name != skipped) hits.push_back(Hit{outer, inner, name});
    }
  }
}

}  // namespace

void SearchWords::Assign(std::string_view text) {
  keys_.clear();
  words_.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t start = keys_.size();
    for (; i < text.size() && !IsBlank(text[i]); ++i) {
      if (!LeftOutOfSearchKey(text[i])) keys_ += SearchKeyChar(text[i]);
    }
    if (keys_.size() > start) words_.push_back({start, keys_.size() - start});
  }
}

bool SearchWords::MatchedBy(std::string_view key) const {
  const std::string_view keys = keys_;
  for (const Word& word : words_) {
    if (key.find(keys.substr(word.start, word.length)) == std::string_view::npos) return false;
  }
  return true;
}

constexpr std::size_t kGsRowStride = std::size_t{kGsToneBanks} * kGsToneMaps;

// GS tones: program p is row p + 1 of the table.
void FindGsTones(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<ToneHit>& hits) {
  Scan(tables, {kGsToneText, map, kGsToneMaps, kGsRowStride, kGsToneMaps, kGsRowStride}, {}, words,
       hits);
}

void FindXgTones(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<ToneHit>& hits) {
  Scan(tables,
       {kXgToneText, map, kXgToneMaps, std::size_t{kXgToneBanks} * kXgToneMaps, kXgToneMaps}, {},
       words, hits);
}

void FindGsDrums(const NameTables& tables, int map, const SearchWords& words,
                 std::vector<DrumHit>& hits) {
  Scan(tables,
       {kGsDrumText, map, kGsDrumMaps, std::size_t{kGsDrumNotes} * kGsDrumMaps, kGsDrumMaps},
       "Nothing", words, hits);
}

void FindXgDrums(const NameTables& tables, const SearchWords& words, std::vector<DrumHit>& hits) {
  Scan(tables, {kXgDrumText, 0, 1, kXgDrumNotes, 1}, {}, words, hits);
}

}  // namespace tonalyx
