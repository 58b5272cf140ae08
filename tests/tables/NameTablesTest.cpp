// Lifecycle, bounds and storage of the name table lookups.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tables/NameTables.h"

namespace tonalyx {
namespace {

// Every entry of the four tables in one list, in a fixed order.
std::vector<std::string> AllEntries(const NameTables& t) {
  std::vector<std::string> entries;
  for (int row = 0; row <= 128; ++row)
    for (int bank = 0; bank < 128; ++bank)
      for (int map = 0; map < 5; ++map) entries.emplace_back(t.GsTone(row, bank, map));
  for (int program = 0; program < 128; ++program)
    for (int bank = 0; bank < 128; ++bank)
      for (int map = 0; map < 6; ++map) entries.emplace_back(t.XgTone(program, bank, map));
  for (int kit = 0; kit < 128; ++kit)
    for (int note = 0; note < 128; ++note) {
      for (int map = 0; map < 5; ++map) entries.emplace_back(t.GsDrum(kit, note, map));
      entries.emplace_back(t.XgDrum(kit, note));
    }
  return entries;
}

std::size_t CountNamed(const std::vector<std::string>& entries) {
  std::size_t named = 0;
  for (const std::string& e : entries) named += !e.empty();
  return named;
}

TEST(NameTables, EveryEntryIsEmptyBeforeFilling) {
  const NameTables t;
  EXPECT_FALSE(t.IsFilled());
  EXPECT_EQ(CountNamed(AllEntries(t)), 0u);
  EXPECT_EQ(t.GsTone(1, 0, 4), "");
  EXPECT_EQ(t.XgTone(0, 0, 0), "");
  EXPECT_EQ(t.GsDrum(0, 0, 4), "");
  EXPECT_EQ(t.XgDrum(0, 36), "");
}

TEST(NameTables, FillingShowsTheNamesAndFillingAgainChangesNothing) {
  NameTables t;
  t.FillNameTables();
  EXPECT_TRUE(t.IsFilled());
  const std::vector<std::string> first = AllEntries(t);
  // Tone names 2,998 + 4,698, GS drum entries 12,416, XG drum entries 2,160.
  EXPECT_EQ(CountNamed(first), 2998u + 4698u + 12416u + 2160u);
  EXPECT_EQ(t.GsTone(1, 0, 4), "Piano 1");
  EXPECT_EQ(t.XgTone(0, 0, 0), "GrandPno");
  EXPECT_EQ(t.GsDrum(0, 36, 4), "Standard 1 Kick 1");
  EXPECT_EQ(t.XgDrum(0, 36), "Kick");
  t.FillNameTables();
  EXPECT_TRUE(t.IsFilled());
  EXPECT_EQ(AllEntries(t), first);
}

TEST(NameTables, EachDistinctTextIsStoredOnce) {
  NameTables t;
  t.FillNameTables();
  const std::string_view nothing = t.GsDrum(0, 0, 0);
  ASSERT_EQ(nothing, "Nothing");
  EXPECT_EQ(t.GsDrum(127, 127, 4).data(), nothing.data());
  EXPECT_EQ(t.GsDrum(56, 0, 1).data(), nothing.data());
  EXPECT_EQ(t.GsTone(128, 0, 0).data(), t.GsTone(128, 0, 4).data());
}

// An index outside a table is a caller's bug: debug builds stop on it, other builds answer
// with the empty string and never read outside the table.
TEST(NameTablesDeathTest, IndicesOutsideTheTables) {
  NameTables t;
  t.FillNameTables();
  struct Probe {
    const char* what;
    std::string_view (*lookup)(const NameTables&);
  };
  const Probe probes[] = {
      {"GS row -1", [](const NameTables& n) { return n.GsTone(-1, 0, 0); }},
      {"GS row 129", [](const NameTables& n) { return n.GsTone(129, 0, 0); }},
      {"GS bank 128", [](const NameTables& n) { return n.GsTone(1, 128, 0); }},
      {"GS bank -1", [](const NameTables& n) { return n.GsTone(1, -1, 0); }},
      {"GS map 5", [](const NameTables& n) { return n.GsTone(1, 0, 5); }},
      {"GS map -1", [](const NameTables& n) { return n.GsTone(2, 0, -1); }},
      {"XG program 128", [](const NameTables& n) { return n.XgTone(128, 0, 0); }},
      {"XG program -1", [](const NameTables& n) { return n.XgTone(-1, 0, 0); }},
      {"XG bank 128", [](const NameTables& n) { return n.XgTone(0, 128, 0); }},
      {"XG map 6", [](const NameTables& n) { return n.XgTone(0, 0, 6); }},
      {"XG map -1", [](const NameTables& n) { return n.XgTone(1, 0, -1); }},
      {"GS kit 128", [](const NameTables& n) { return n.GsDrum(128, 0, 0); }},
      {"GS kit -1", [](const NameTables& n) { return n.GsDrum(-1, 0, 0); }},
      {"GS note 128", [](const NameTables& n) { return n.GsDrum(0, 128, 0); }},
      {"GS drum map 5", [](const NameTables& n) { return n.GsDrum(0, 0, 5); }},
      {"GS drum map -1", [](const NameTables& n) { return n.GsDrum(0, 1, -1); }},
      {"XG kit 128", [](const NameTables& n) { return n.XgDrum(128, 13); }},
      {"XG kit -1", [](const NameTables& n) { return n.XgDrum(-1, 13); }},
      {"XG note 128", [](const NameTables& n) { return n.XgDrum(0, 128); }},
      {"XG note -1", [](const NameTables& n) { return n.XgDrum(1, -1); }},
  };
  for (const Probe& probe : probes) {
#ifdef NDEBUG
    EXPECT_EQ(probe.lookup(t), "") << probe.what;
#else
    EXPECT_DEATH(probe.lookup(t), "out of range") << probe.what;
#endif
  }
  // The last valid index of each dimension still reads its entry.
  EXPECT_EQ(t.GsTone(128, 0, 4), "Gun Shot");
  EXPECT_EQ(t.XgTone(127, 0, 5), "Gunshot");
  EXPECT_EQ(t.GsDrum(127, 108, 4), t.GsDrum(127, 108, 0));
  EXPECT_EQ(t.GsDrum(0, 127, 4), "[Pro] House Snare 2");
  EXPECT_EQ(t.XgDrum(127, 84), "Bell Tree");
  EXPECT_EQ(t.XgDrum(127, 127), "");
}

}  // namespace
}  // namespace tonalyx
