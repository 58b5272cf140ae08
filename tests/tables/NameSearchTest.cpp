// The name search: how typed words match names, and that every map of each table
// is searched in program-then-bank (kit-then-note) order, checked against a plain
// reference search over the public lookups.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "TestTables.h"
#include "tables/NameSearch.h"
#include "tables/SearchKey.h"

namespace tonalyx::test {
namespace {

std::vector<ToneHit> GsTones(std::string_view text, int map) {
  SearchWords words;
  words.Assign(text);
  std::vector<ToneHit> hits;
  FindGsTones(Filled(), map, words, hits);
  return hits;
}

std::vector<std::string> Names(const std::vector<ToneHit>& hits) {
  std::vector<std::string> names;
  for (const ToneHit& hit : hits) names.emplace_back(hit.name);
  return names;
}

bool Holds(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The reference the search is checked against: a name matches when, lower-cased and
// without blanks, dots and hyphens, it contains every lower-cased word of the text.
std::string Folded(std::string_view text) {
  std::string folded;
  for (const char c : text) {
    if (c != ' ' && c != '.' && c != '-')
      folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

bool ReferenceMatch(std::string_view name, const std::vector<std::string>& words) {
  if (words.empty()) return false;
  const std::string folded = Folded(name);
  return std::all_of(words.begin(), words.end(),
                     [&](const std::string& w) { return folded.find(w) != std::string::npos; });
}

std::vector<std::string> ReferenceWords(std::string_view text) {
  std::vector<std::string> words;
  std::string current;
  for (const char c : std::string(text) + " ") {
    if (c == ' ' || c == '\t') {
      if (!Folded(current).empty()) words.push_back(Folded(current));
      current.clear();
    } else {
      current += c;
    }
  }
  return words;
}

struct Found {
  int first;
  int second;
  std::string name;
  bool operator==(const Found&) const = default;
};

template <typename Hit>
std::vector<Found> Flatten(const std::vector<Hit>& hits) {
  std::vector<Found> found;
  for (const Hit& hit : hits) {
    const auto [first, second, name] = hit;
    found.push_back({first, second, std::string(name)});
  }
  return found;
}

// Every table cell of one map, read through the public lookups in key order.
template <typename Lookup>
std::vector<Found> ReferenceSearch(std::string_view text, Lookup lookup) {
  const std::vector<std::string> words = ReferenceWords(text);
  std::vector<Found> found;
  for (int first = 0; first < 128; ++first) {
    for (int second = 0; second < 128; ++second) {
      const std::string_view name = lookup(first, second);
      if (!name.empty() && name != "Nothing" && ReferenceMatch(name, words))
        found.push_back({first, second, std::string(name)});
    }
  }
  return found;
}

const char* const kQueries[] = {"piano", "Bass",  "str",   "E.Piano", "gt harm", "#",
                                "&",     "kick",  "SNARE", "tom h",   "808",     "hi-hat open",
                                "cym 2", "voice", "1 2",   "o"};

TEST(NameSearch, KeysIgnoreCaseBlanksDotsAndHyphensOnly) {
  EXPECT_EQ(SearchKey("E.Piano 1"), "epiano1");
  EXPECT_EQ(SearchKey("Hi-Hat Closed L B"), "hihatclosedlb");
  EXPECT_EQ(SearchKey("Bass& Lead"), "bass&lead");
  EXPECT_EQ(SearchKey("Kik'n'Ba"), "kik'n'ba");
  EXPECT_EQ(SearchKey("GrandP#"), "grandp#");
}

TEST(NameSearch, TypedWordsFindNamesWrittenWithDotsBlanksAndCapitals) {
  const std::vector<std::string> ePiano = Names(GsTones("epiano", 4));
  EXPECT_TRUE(Holds(ePiano, "E.Piano 1"));
  EXPECT_TRUE(Holds(ePiano, "E.Piano 2"));
  EXPECT_EQ(Names(GsTones("E-PIANO", 4)), ePiano);
  EXPECT_EQ(Names(GsTones("  e. piano ", 4)).size(), Names(GsTones("e piano", 4)).size());

  const std::vector<ToneHit> slow = GsTones("slowstr", 4);
  ASSERT_FALSE(slow.empty());
  EXPECT_EQ(slow.front().name, "Slow Strings");
  EXPECT_EQ(slow.front().program, 49);
  EXPECT_EQ(slow.front().bank, 0);
}

TEST(NameSearch, EveryWordMustMatchSomewhereInTheName) {
  const std::vector<std::string> both = Names(GsTones("str piano", 4));
  EXPECT_TRUE(Holds(both, "Piano+String"));
  EXPECT_FALSE(Holds(both, "Piano 1"));
  EXPECT_FALSE(Holds(both, "Slow Strings"));
}

TEST(NameSearch, NothingTypedNoMatchOrUnfilledTablesFindNothing) {
  EXPECT_TRUE(GsTones("", 4).empty());
  EXPECT_TRUE(GsTones(" . - ", 4).empty());
  EXPECT_TRUE(GsTones("zzzz", 4).empty());
  EXPECT_TRUE(GsTones("piano zzzz", 4).empty());

  SearchWords words;
  words.Assign("piano");
  std::vector<ToneHit> hits{{1, 2, "stale"}};
  FindGsTones(NameTables{}, 4, words, hits);
  EXPECT_TRUE(hits.empty());
}

// Runs every query through find and through the reference over lookup, for one map;
// returns how many names the reference found.
template <typename Hit, typename Find, typename Lookup>
std::size_t CheckAgainstReference(const std::string& table, Find find, Lookup lookup) {
  std::size_t found = 0;
  SearchWords words;
  std::vector<Hit> hits;
  for (const char* query : kQueries) {
    words.Assign(query);
    find(words, hits);
    const auto expected = ReferenceSearch(query, lookup);
    EXPECT_EQ(Flatten(hits), expected) << table << " \"" << query << "\"";
    found += expected.size();
  }
  return found;
}

TEST(NameSearch, EveryGsAndXgToneMapMatchesTheReference) {
  const NameTables& t = Filled();
  std::size_t found = 0;
  for (int map = 0; map < 5; ++map) {
    found += CheckAgainstReference<ToneHit>(
        "GS tones map " + std::to_string(map),
        [&](const auto& words, auto& hits) { FindGsTones(t, map, words, hits); },
        [&](int program, int bank) { return t.GsTone(program + 1, bank, map); });
  }
  for (int map = 0; map < 6; ++map) {
    found += CheckAgainstReference<ToneHit>(
        "XG tones map " + std::to_string(map),
        [&](const auto& words, auto& hits) { FindXgTones(t, map, words, hits); },
        [&](int program, int bank) { return t.XgTone(program, bank, map); });
  }
  EXPECT_GT(found, 1000u);  // the comparisons above are not of empty lists
}

TEST(NameSearch, EveryGsDrumMapAndTheXgDrumTableMatchTheReference) {
  const NameTables& t = Filled();
  std::size_t found = 0;
  for (int map = 0; map < 5; ++map) {
    found += CheckAgainstReference<DrumHit>(
        "GS drums map " + std::to_string(map),
        [&](const auto& words, auto& hits) { FindGsDrums(t, map, words, hits); },
        [&](int kit, int note) { return t.GsDrum(kit, note, map); });
  }
  found += CheckAgainstReference<DrumHit>(
      "XG drums", [&](const auto& words, auto& hits) { FindXgDrums(t, words, hits); },
      [&](int kit, int note) { return t.XgDrum(kit, note); });
  EXPECT_GT(found, 1000u);
}

TEST(NameSearch, DrumSearchSkipsPlaceholdersAndKitsTheMapDoesNotName) {
  SearchWords words;
  std::vector<DrumHit> hits;
  words.Assign("nothing");
  for (int map = 0; map < 5; ++map) {
    FindGsDrums(Filled(), map, words, hits);
    EXPECT_TRUE(hits.empty()) << "map " << map;
  }

  // "HOUSE" (kit 13) is named in the SC-8850 map only.
  words.Assign("house snare");
  auto inKit13 = [&] {
    return std::count_if(hits.begin(), hits.end(), [](const DrumHit& h) { return h.kit == 13; });
  };
  FindGsDrums(Filled(), 4, words, hits);
  EXPECT_GT(inKit13(), 0);
  FindGsDrums(Filled(), 3, words, hits);
  EXPECT_EQ(inKit13(), 0);

  words.Assign("kick");
  FindXgDrums(Filled(), words, hits);
  ASSERT_FALSE(hits.empty());
  EXPECT_TRUE(std::any_of(hits.begin(), hits.end(), [](const DrumHit& h) {
    return h.kit == 0 && h.note == 36 && h.name == "Kick";
  }));
}

}  // namespace
}  // namespace tonalyx::test
