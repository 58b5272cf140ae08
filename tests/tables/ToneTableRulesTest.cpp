// Structural rules of the tone tables, checked over every entry.

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "TestTables.h"

namespace tonalyx::test {
namespace {

bool PrintableAscii(std::string_view text) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7e) return false;
  }
  return true;
}

TEST(GsToneRules, BanksWithNamesPerMap) {
  EXPECT_EQ(GsBanksWithNames(0), Banks({{0, 0}}));
  EXPECT_EQ(GsBanksWithNames(1), Banks({{0, 9}, {16, 16}, {24, 24}, {32, 32}, {126, 127}}));
  EXPECT_EQ(GsBanksWithNames(2), Banks({{0, 11}, {16, 19}, {24, 26}, {32, 33}, {40, 40}}));
  EXPECT_EQ(GsBanksWithNames(3), Banks({{0, 35}, {40, 45}, {48, 48}}));
  EXPECT_EQ(GsBanksWithNames(4), Banks({{0, 48}}));
}

TEST(GsToneRules, Bank0NamesEveryRowAndRow0NothingAnywhere) {
  const NameTables& t = Filled();
  for (int map = 0; map < 5; ++map) {
    for (int row = 1; row <= 128; ++row) {
      // Map 0 has no name for row 31 (the module's list leaves it out).
      if (map == 0 && row == 31) continue;
      EXPECT_FALSE(t.GsTone(row, 0, map).empty()) << "row " << row << " map " << map;
    }
    for (int bank = 0; bank < 128; ++bank) EXPECT_EQ(t.GsTone(0, bank, map), "");
    EXPECT_EQ(t.GsTone(128, 0, map), "Gun Shot");
  }
  EXPECT_EQ(t.GsTone(31, 0, 0), "");
}

TEST(GsToneRules, NamesArePrintableAsciiWithoutOuterBlanks) {
  const NameTables& t = Filled();
  for (int row = 0; row <= 128; ++row) {
    for (int bank = 0; bank < 128; ++bank) {
      for (int map = 0; map < 5; ++map) {
        const std::string_view name = t.GsTone(row, bank, map);
        if (name.empty()) continue;
        EXPECT_TRUE(PrintableAscii(name)) << name;
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
      }
    }
  }
}

TEST(XgToneRules, BanksWithNamesPerMap) {
  const std::set<int> map0 = Banks({{0, 1},
                                    {3, 3},
                                    {6, 6},
                                    {8, 8},
                                    {12, 12},
                                    {14, 14},
                                    {16, 22},
                                    {24, 29},
                                    {32, 43},
                                    {45, 45},
                                    {48, 48},
                                    {52, 54},
                                    {64, 94},
                                    {96, 101},
                                    {126, 126}});
  std::set<int> map1 = map0;
  for (int bank : {92, 93, 94}) map1.erase(bank);
  const std::set<int> map3 = Banks({{0, 1},
                                    {3, 3},
                                    {6, 6},
                                    {8, 8},
                                    {12, 12},
                                    {14, 14},
                                    {16, 20},
                                    {24, 28},
                                    {32, 43},
                                    {45, 45},
                                    {64, 75},
                                    {78, 91},
                                    {96, 101}});
  std::set<int> map4 = map3;
  map4.erase(26);
  std::set<int> map5 = map4;
  map5.erase(39);
  EXPECT_EQ(XgBanksWithNames(0), map0);
  EXPECT_EQ(XgBanksWithNames(1), map1);
  EXPECT_EQ(XgBanksWithNames(2), map1);
  EXPECT_EQ(XgBanksWithNames(3), map3);
  EXPECT_EQ(XgBanksWithNames(4), map4);
  EXPECT_EQ(XgBanksWithNames(5), map5);
}

// Each map names a subset of the cells of the next larger map (5 in 4, 4 in 3, 2 in 1,
// 1 in 0; 3 in 2 but for two cells), and a cell named in several maps carries the same
// name in all of them, apart from the MU100 bank 0 and program 7 bank 73 of map 0.
TEST(XgToneRules, SmallerMapsAreContainedInLargerOnesWithTheSameNames) {
  const NameTables& t = Filled();
  const std::set<std::pair<int, int>> only_small_maps = {{50, 69}, {63, 66}};
  for (int program = 0; program < 128; ++program) {
    for (int bank = 0; bank < 128; ++bank) {
      for (int map = 1; map < 6; ++map) {
        const std::string_view name = t.XgTone(program, bank, map);
        if (name.empty()) continue;
        EXPECT_TRUE(PrintableAscii(name)) << name;
        const bool exception = map == 3 && only_small_maps.count({program, bank});
        const std::string_view larger = t.XgTone(program, bank, map - 1);
        EXPECT_NE(larger.empty(), !exception)
            << "program " << program << " bank " << bank << " map " << map;
        const bool renamed =
            (bank == 0 && (map == 2 || map == 3)) || (program == 7 && bank == 73 && map == 1);
        if (!larger.empty() && !renamed) {
          EXPECT_EQ(name, larger) << "program " << program << " bank " << bank << " map " << map;
        }
      }
    }
  }
}

TEST(XgToneRules, Bank126MarksTheMu100Programs) {
  const NameTables& t = Filled();
  int marked = 0;
  for (int program = 0; program < 128; ++program) {
    const std::string_view mu100 = t.XgTone(program, 0, 2);
    const bool is_marked = mu100.back() == '#';
    marked += is_marked;
    const std::string_view bank126 = t.XgTone(program, 126, 0);
    EXPECT_EQ(bank126.empty(), !is_marked) << "program " << program;
    if (is_marked && program != 0 && program != 7 && program != 32) {
      EXPECT_EQ(bank126, mu100) << "program " << program;
    }
    EXPECT_EQ(t.XgTone(program, 126, 1), program == 4 ? "" : bank126);
    EXPECT_EQ(t.XgTone(program, 126, 2), t.XgTone(program, 126, 1));
    for (int map = 3; map < 6; ++map) EXPECT_EQ(t.XgTone(program, 126, map), "");
  }
  EXPECT_EQ(marked, 32);
  EXPECT_EQ(t.XgTone(0, 126, 0), "GrondP #");
  EXPECT_EQ(t.XgTone(7, 126, 0), "Clav #");
  EXPECT_EQ(t.XgTone(32, 126, 0), "AccBass#");
  EXPECT_EQ(t.XgTone(4, 126, 0), "EPiano1#");
}

}  // namespace
}  // namespace tonalyx::test
