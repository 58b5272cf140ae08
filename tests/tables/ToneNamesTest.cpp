// The tone names that the module lists give explicitly, read back through the lookups.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "TestTables.h"

namespace tonalyx::test {
namespace {

// Bank 0 of the SC-8850 map, by row 1..128.
// clang-format off
const char* const kGsBank0[128] = {
    "Piano 1", "Piano 2", "Piano 3", "Honky-tonk", "E.Piano 1", "E.Piano 2", "Harpsichord", "Clav.",
    "Celesta", "Glockenspiel", "Music Box", "Vibraphone", "Marimba", "Xylophone", "Tubular-bell",
    "Santur", "Organ 1", "Organ 2", "Organ 3", "Church Organ 1", "Read Organ", "Accordion French",
    "Harmonica", "Bandoneon", "Nylon-str.Gt.", "Steel-str.Gt.", "Jazz Gt.", "Clean Gt.",
    "Muted Gt.", "Overdrive Gt.", "Distortion Gt.", "Gt.Harmonics", "Acoustic Bass",
    "Fingered Bass", "Picked Bass", "Fetless Bass", "Slap Bass 1", "Slap Bass 2", "Synth Bass 1",
    "Synth Bass 2", "Violin:", "Viola:", "Cello:", "Contrabass", "Tremolo String",
    "Pizzicato String", "Harp", "Timpani", "Strings", "Slow Strings", "Syn.Strings 1",
    "Syn.Strings 2", "Choir Aahs", "Voice Oohs", "SynVox", "Orchestra Hit", "Trumpet", "Trombone",
    "Tuba", "MutedTrumpet", "French Horns", "Brass 1", "Synth Brass 1", "Synth Brass 2",
    "Soprano Sax", "Alto Sax", "Tenor Sax", "Baritone Sax", "Oboe", "English Horn", "Bassoon",
    "Clarinet", "Piccolo", "Flute", "Recorder", "Pan Flute", "Bottle Blow", "Shakuhachi", "Whistle",
    "Ocarina", "Square Wave", "Saw Wave", "Syn.Calliope", "Chiffer Lead", "Charang", "Solo Vox",
    "5th Saw Wave", "Bass& Lead", "Fantasia", "Warm Pad", "Polysynth", "Space Voice", "Bowed Glass",
    "Metal Pad", "Helo Pad", "Sweep Pad", "Ice Rain", "Soundtrack", "Crystal", "Atmosphere",
    "Brightness", "Goblin", "Echo Drops", "Star Theme", "Sitar", "Banjo", "Shamisen", "Koto",
    "Kalimba", "Bagpipe", "Fiddle", "Shanai", "Tinkle Bell", "Agogo", "Steel Drums", "WoodBlock",
    "Taiko", "Melo.Tom 1", "Synth Drum", "Reverse Cymbal", "Gt.FretNoise", "Breath Noise",
    "Seashore", "Bird", "Telephone 1", "Helicopter", "Applause", "Gun Shot",
};
// clang-format on

// Bank 0 of the XG maps other than MU100, by program value 0..127.
// clang-format off
const char* const kXgBank0[128] = {
    "GrandPno", "BritePno", "El.Grand", "HnkyTonk", "E.Piano1", "E.Piano2", "Harpsi.", "Clavi",
    "Celesta", "Glocken", "MusicBox", "Vibes", "Marimba", "Xylophon", "TubulBel", "Dulcimer",
    "DrawOrgn", "PercOrgn", "RockOrgn", "ChrchOrg", "ReedOrgn", "Acordion", "Harmnica", "TangoAcd",
    "NylonGtr", "SteelGtr", "Jazz Gtr", "CleanGtr", "Mute Gtr", "Ovrdrive", "Dist.Gtr", "GtrHarmo",
    "Aco.Bass", "FngrBass", "PickBass", "Fretless", "SlapBas1", "SlapBas2", "SynBass1", "SynBass2",
    "Violin", "Viola", "Cello", "Contrabs", "Trem.Str", "Pizz.Str", "Harp", "Timpani", "Strings1",
    "Strings2", "Syn Str1", "Syn Str2", "ChoirAah", "VoiceOoh", "SynVoice", "Orch.Hit", "Trumpet",
    "Trombone", "Tuba", "Mute Trp", "Fr.Horn", "BrssSect", "SynBrss1", "SynBrss2", "SpmoSax",
    "Alto Sax", "TenorSax", "Bari.Sax", "Oboe", "Eng.Horn", "Bassoon", "Clarinet", "Piccolo",
    "Flute", "Recorder", "PanFlute", "Bottle", "Shakhchi", "Whistle", "Ocarina", "SquareLd",
    "Saw Ld", "CaliopLd", "ChiffLd", "CharanLd", "Voice Ld", "Fifth Ld", "Bass&Ld", "NewAgePd",
    "Warm Pad", "PolySyPd", "ChoirPad", "BowedPad", "MetalPad", "Halo Pad", "SweepPad", "Rain",
    "SoundTrk", "Crystal", "Atmosphr", "Bright", "Goblins", "Echoes", "Sci-Fi", "Sitar", "Banjo",
    "Shamisen", "Koto", "Kalimba", "Bagpipe", "Fiddle", "Shanai", "TnklBell", "Agogo", "SteelDrm",
    "Woodblok", "TaikoDrm", "MelodTom", "Syn Drum", "RevCymbl", "FretNoiz", "BrthNoiz", "Seashore",
    "Tweet", "Telphone", "Helicptr", "Applause", "Gunshot",
};
// clang-format on

// The MU100 bank 0 names that differ from kXgBank0, by program value.
const std::map<int, std::string_view> kXgMu100Bank0 = {
    {0, "GrandP#"},   {1, "BriteP #"},  {4, "EPiano1#"},  {5, "EPiano2#"},  {7, "Clavi #"},
    {16, "DrawOrg#"}, {17, "PercOrg#"}, {18, "RockOrg#"}, {23, "TangoAc#"}, {24, "NylonGt#"},
    {25, "SteelGt#"}, {26, "JazzGtr#"}, {28, "MuteGtr#"}, {29, "Ovrdriv#"}, {30, "DistGtr#"},
    {32, "AcoBass#"}, {33, "FngrBa #"}, {35, "Frtless#"}, {36, "SlapBa1#"}, {37, "SlapBa2#"},
    {40, "Violin #"}, {44, "TremStr#"}, {48, "Strngs1#"}, {49, "Strngs2#"}, {56, "Trumpet#"},
    {57, "Trmbone#"}, {59, "MuteTrp#"}, {61, "BrssSec#"}, {65, "AltoSax#"}, {68, "Oboe #"},
    {73, "Flute #"},  {75, "PanFlut#"}};

// Bank 0 rows whose names differ between the GS maps, names for maps 0..4 ("" = none).
struct GsBank0Difference {
  int row;
  std::string_view names[5];
};
const GsBank0Difference kGsBank0Differences[] = {
    {25, {"Nylon-str.Gt.", "Nylon Gt.", "Nylonstr.Gt.", "Nylon-str.Gt.", "Nylon-str.Gt."}},
    {26, {"Steel Gt.", "Steel Gt.", "Steelstr.Gt.", "Steel-str.Gt.", "Steel-str.Gt."}},
    {31, {"", "Dist. Gt.", "Distortion Gt.", "Distortion Gt.", "Distortion Gt."}},
    {32, {"Gt.Harmonics", "Gt.Harmonix", "Gt.Harmonix", "Gt.Harmonics", "Gt.Harmonics"}},
    {41, {"Violin", "Violin", "Violin:", "Violin:", "Violin:"}},
    {42, {"Viola", "Viola", "Viola", "Viola:", "Viola:"}},
    {43, {"Cello", "Cello", "Cello", "Cello:", "Cello:"}},
    {46, {"Pizzicato String", "Pizzicato", "Pizz. String", "Pizzicato String", "Pizzicato String"}},
    {49, {"Strings", "Strings", "Strings", "Strings :", "Strings"}},
    {56, {"Orchestra Hit", "Orchest. Hit", "Orch. Hit", "Orchestra Hit", "Orchestra Hit"}},
    {60, {"MutedTrumpet", "MuteTrumpet", "Muted Tp.", "MutedTrumpet", "MutedTrumpet"}},
    {61, {"French Horns", "French Horn", "FrenchHorns", "French Horns", "French Horns"}},
    {64, {"Synth Brass 2", "Syn.Brass 2", "Syn.Brass 2", "Synth Brass 2", "Synth Brass 2"}},
};

TEST(GsToneNames, Bank0OfEveryMapFollowsTheListAndItsDifferences) {
  const NameTables& t = Filled();
  std::map<int, const GsBank0Difference*> differences;
  for (const GsBank0Difference& d : kGsBank0Differences) differences[d.row] = &d;
  for (int row = 1; row <= 128; ++row) {
    for (int map = 0; map < 5; ++map) {
      const auto difference = differences.find(row);
      const std::string_view expected = difference == differences.end()
                                            ? std::string_view(kGsBank0[row - 1])
                                            : difference->second->names[map];
      EXPECT_EQ(t.GsTone(row, 0, map), expected) << "row " << row << " map " << map;
    }
  }
  // Map 4 is the list itself, also on the rows that differ elsewhere.
  for (const GsBank0Difference& d : kGsBank0Differences) {
    EXPECT_EQ(d.names[4], kGsBank0[d.row - 1]) << "row " << d.row;
  }
}

TEST(GsToneNames, VariationsOfTheFirstProgramPerMap) {
  const std::map<int, std::map<int, std::string_view>> expected = {
      {0, {{0, "Piano 1"}}},
      {1,
       {{0, "Piano 1"},
        {8, "Piano 1w"},
        {16, "Piano 1d"},
        {126, "Piano 2"},
        {127, "Acou Piano 1"}}},
      {2, {{0, "Piano 1"}, {8, "Piano 1w"}, {16, "Piano 1d"}}},
      {3, {{0, "Piano 1"}, {8, "Piano 1w"}, {16, "Europian Pf"}}},
      {4,
       {{0, "Piano 1"},
        {1, "UprightPiano"},
        {2, "Mild Piano"},
        {8, "Upright Piano w"},
        {9, "Mild Piano w"},
        {16, "Europian Pf"},
        {24, "Piano+String"},
        {25, "Piano+String 2"},
        {26, "Piano+Choir 1"},
        {27, "Piano+Choir 2"}}},
  };
  for (const auto& [map, names] : expected) {
    std::map<int, std::string_view> found;
    for (int bank = 0; bank < 128; ++bank) {
      if (const std::string_view name = Filled().GsTone(1, bank, map); !name.empty()) {
        found[bank] = name;
      }
    }
    EXPECT_EQ(found, names) << "map " << map;
  }
}

TEST(GsToneNames, ExtraSoundSetsOfTheSc55Map) {
  const NameTables& t = Filled();
  EXPECT_EQ(t.GsTone(1, 127, 1), "Acou Piano 1");
  EXPECT_EQ(t.GsTone(2, 127, 1), "Acou Piano 2");
  EXPECT_EQ(t.GsTone(4, 127, 1), "Elec Piano 1");
  EXPECT_EQ(t.GsTone(127, 127, 1), "Water Bell");
  EXPECT_EQ(t.GsTone(128, 127, 1), "Jugle Tune");
  EXPECT_EQ(t.GsTone(1, 126, 1), "Piano 2");
  EXPECT_EQ(t.GsTone(4, 126, 1), "Honky-tonk");
  EXPECT_EQ(t.GsTone(9, 126, 1), "Detuned E.Piano 1");
  EXPECT_EQ(t.GsTone(64, 126, 1), "Orchest.Hit");
  int bank126 = 0;
  int bank127 = 0;
  for (int row = 1; row <= 128; ++row) {
    bank126 += !t.GsTone(row, 126, 1).empty();
    bank127 += !t.GsTone(row, 127, 1).empty();
    EXPECT_EQ(t.GsTone(row, 126, 1).empty(), row > 64) << "row " << row;
  }
  EXPECT_EQ(bank126, 64);
  EXPECT_EQ(bank127, 128);
}

TEST(GsToneNames, ChangingOnlyTheMapChangesTheName) {
  const NameTables& t = Filled();
  for (int map : {1, 2}) {
    EXPECT_EQ(t.GsTone(1, 16, map), "Piano 1d");
    EXPECT_EQ(t.GsTone(5, 24, map), "60's E.Piano");
  }
  for (int map : {3, 4}) {
    EXPECT_EQ(t.GsTone(1, 16, map), "Europian Pf");
    EXPECT_EQ(t.GsTone(5, 24, map), "Wurly");
  }
  // Names in maps 2 and 4 only.
  EXPECT_EQ(t.GsTone(22, 9, 2), "Distortion Accordion");
  EXPECT_EQ(t.GsTone(22, 9, 3), "");
  EXPECT_EQ(t.GsTone(22, 9, 4), "Distortion Accordion");
  EXPECT_EQ(t.GsTone(56, 11, 2), "Perc. Hit");
  EXPECT_EQ(t.GsTone(56, 11, 3), "");
  EXPECT_EQ(t.GsTone(56, 11, 4), "Perc. Hit");
}

TEST(XgToneNames, Bank0IsTheListInEveryMapButMu100) {
  const NameTables& t = Filled();
  for (int program = 0; program < 128; ++program) {
    for (int map : {0, 1, 3, 4, 5}) {
      EXPECT_EQ(t.XgTone(program, 0, map), kXgBank0[program])
          << "program " << program << " map " << map;
    }
    const auto marked = kXgMu100Bank0.find(program);
    EXPECT_EQ(t.XgTone(program, 0, 2),
              marked == kXgMu100Bank0.end() ? kXgBank0[program] : marked->second)
        << "program " << program;
  }
}

TEST(XgToneNames, VariationsOfTheFirstProgramPerMap) {
  const std::map<int, std::string_view> map0 = {
      {0, "GrandPno"},  {1, "GmdPnoK"},   {18, "MelloGrP"}, {40, "PianoStr"},
      {41, "Dream"},    {64, "ConGmd"},   {65, "ConGmdK"},  {66, "DblConGr"},
      {67, "MIDIGrd1"}, {68, "MIDIGrd2"}, {69, "OldestAP"}, {126, "GrondP #"}};
  std::map<int, std::string_view> map1 = map0;
  map1.erase(69);
  std::map<int, std::string_view> map2 = map1;
  map2[0] = "GrandP#";
  const std::map<int, std::string_view> basic = {
      {0, "GrandPno"}, {1, "GmdPnoK"}, {18, "MelloGrP"}, {40, "PianoStr"}, {41, "Dream"}};
  const std::map<int, std::string_view> expected[6] = {map0, map1, map2, basic, basic, basic};
  for (int map = 0; map < 6; ++map) {
    std::map<int, std::string_view> found;
    for (int bank = 0; bank < 128; ++bank) {
      if (const std::string_view name = Filled().XgTone(0, bank, map); !name.empty()) {
        found[bank] = name;
      }
    }
    EXPECT_EQ(found, expected[map]) << "map " << map;
  }
}

TEST(XgToneNames, CellsNamedDifferentlyOrOnlyInTheSmallerMaps) {
  const NameTables& t = Filled();
  EXPECT_EQ(t.XgTone(7, 73, 0), "RobotClv");
  EXPECT_EQ(t.XgTone(7, 73, 1), "FMClavDb");
  EXPECT_EQ(t.XgTone(7, 73, 2), "FMClavDb");
  for (int map = 3; map <= 5; ++map) {
    EXPECT_EQ(t.XgTone(50, 69, map), "Brook");
    EXPECT_EQ(t.XgTone(63, 66, map), "AnaHomS");
  }
  EXPECT_EQ(t.XgTone(50, 69, 2), "");
  EXPECT_EQ(t.XgTone(63, 66, 2), "");
}

TEST(ToneNames, ApostrophesAndAmpersandsAreKept) {
  const NameTables& t = Filled();
  EXPECT_EQ(t.GsTone(5, 24, 1), "60's E.Piano");
  EXPECT_EQ(t.GsTone(17, 16, 1), "60's Organ 1");
  EXPECT_EQ(t.GsTone(17, 32, 3), "70's E.Organ");
  EXPECT_EQ(t.GsTone(91, 1, 2), "80's Polysynth");
  EXPECT_EQ(t.GsTone(102, 2, 2), "50's Sci-Fi");
  EXPECT_EQ(t.GsTone(99, 7, 2), "X'mas Bells");
  EXPECT_EQ(t.XgTone(38, 41, 0), "Kik'n'Ba");
  EXPECT_EQ(t.XgTone(117, 67, 0), "Tim'sSet");
  for (int map = 0; map < 5; ++map) EXPECT_EQ(t.GsTone(88, 0, map), "Bass& Lead");
  EXPECT_EQ(t.GsTone(88, 1, 2), "Big& Raw");
  EXPECT_EQ(t.GsTone(88, 2, 2), "Fat& Perky");
  EXPECT_EQ(t.GsTone(57, 4, 4), "Trumpet& Nz");
  EXPECT_EQ(t.GsTone(58, 3, 4), "bones& Tuba");
  EXPECT_EQ(t.GsTone(85, 6, 4), "GR&Pulse");
  EXPECT_EQ(t.GsTone(95, 11, 4), "Breath& Rise");
  EXPECT_EQ(t.GsTone(102, 25, 4), "Noise&SawHit");
  EXPECT_EQ(t.XgTone(87, 0, 0), "Bass&Ld");
}

}  // namespace
}  // namespace tonalyx::test
