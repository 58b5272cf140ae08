// The drum tables: the fill rule of the GS table, the named kits per map, and the
// instrument names that the module lists give explicitly.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

#include "TestTables.h"

namespace tonalyx::test {
namespace {

// Kit 0 ("STANDARD 1") in the SC-8850 map, by note 0..127.
// clang-format off
const char* const kGsStandard1[128] = {
    "[88] Standard 1 Kick 1", "[88] Standard 1 Kick 2", "[88] Standard 2 Kick 1",
    "[88] Standard 2 Kick 2", "[55] Kick Drum 1", "[55] Kick Drum 2", "[88] Jazz Kick 1",
    "[88] Jazz Kick 2", "[88] Room Kick 1", "[88] Room Kick 2", "[88] Power Kick 1",
    "[88] Power Kick 2", "[88] Electric Kick 2", "[88] Electric Kick 1", "[88] TR-808 Kick",
    "[88] TR-909 Kick", "[88] Dance Kick", "[Pro] Voice One", "[Pro] Voice Two",
    "[Pro] Voice Three", "Room Kick 2", "Room Kick 1", "MC-500 Beep 1", "MC-500 Beep 2",
    "Consert SD", "Snare Roll", "Finger Snap 2", "High Q", "Slap", "Scratch Push", "Scratch Pull",
    "Sticks", "Square Click", "Metronome Click", "Metronome Bell", "Standard 1 Kick 2",
    "Standard 1 Kick 1", "Side Stick", "Standard 1 Snare 1", "TR-909 Hand Clap",
    "Standard 1 Snare 2", "Low Tom 2", "Closed Hi-Hat 1", "Low Tom 1", "Pedal Hi-Hat", "Mid Tom 2",
    "Open Hi-Hat 1", "Mid Tom 1", "High Tom 2", "Crash Cymbal 1", "High Tom 1", "Ride Cymbal 1",
    "Chinese Cymbal", "Ride Bell", "Tambourine", "Splash Cymbal", "Cowbell", "Crash Cymbal 2",
    "Vibra-slap", "Ride Cymbal 2", "High Bongo", "Low Bongo", "Mute High Conga", "Open High Conga",
    "Low Conga", "High Timbale", "Low Timbale", "High Agogo", "Low Agogo", "Cabasa", "Maracas",
    "Short High Whistle", "Long Low Whistle", "Short Guiro", "Long Guiro", "Claves",
    "High Wood Block", "Low Wood Block", "Mute Cuica", "Open Cuica", "Mute Triangle",
    "Open Triangle", "Shaker", "Jingle Bell", "Bell Tree", "Castanets", "Mute Surdo", "Open Surdo",
    "Applause 2", "Nothing", "Nothing", "Nothing", "Nothing", "Nothing", "Nothing", "Room Snare 1",
    "Room Snare 2", "[88] Standard 1 Snare 1", "[88] Standard 1 Snare 2", "[88] Standard 2 Snare 1",
    "[88] Standard 2 Snare 2", "[55] Snare Drum 2", "[Pro] Standard 1 Snare 1",
    "[Pro] Standard 1 Snare 2", "[Pro] Standard 1 Snare 3", "[88] Jazz Snare 1",
    "[88] Jazz Snare 2", "[88] Room Snare 1", "[88] Room Snare 2", "[88] Power Snare 1",
    "[88] Power Snare 2", "[55] Gated Snare", "[88] Dance Snare 1", "[88] Dance Snare 2",
    "[88] Disco Snare", "[88] Electric Snare 2", "[55] Electric Snare", "[88] Electric Snare 3",
    "[Pro] TR-707 Snare 1", "[88] TR-808 Snare 1", "[88] TR-808 Snare 2", "[88] TR-909 Snare 1",
    "[88] TR-909 Snare 2", "[Pro] Rap Snare", "[Pro] Jungle Snare 1", "[Pro] House Snare 1",
    "[88] House Snare", "[Pro] House Snare 2",
};
// clang-format on

// Kit 0 ("Standard Kit") of the XG table, by note 13..84.
// clang-format off
const char* const kXgStandard[72] = {
    "Surdo Mute", "Surdo Open", "Hi Q", "Whip Slap", "Scratch H", "Scratch L", "Finger Snap",
    "Click Noise", "Metronome Click", "Metronome Bell", "Seq Click L", "Seq Click H", "Brush Tap",
    "Brush Swirl", "Brush Slap", "Brush Tap Swirl", "Snare Roll", "Castanet", "Snere Soft",
    "Sticks", "Kick Soft", "Open Rim Shot", "Kick Tight", "Kick", "Side Stick", "Snare",
    "Hand Clap", "Snare Tight", "Floor Tom L", "Hi-Hat Closed", "Floor Tom H", "Hi-Hat Pedal",
    "Low Tom", "Hi-Hat Open", "Mid Tom L", "Mid Tom H", "Crash Cymbal 1", "High Tom",
    "Ride Cymbal 1", "Chinese Cymbal", "Ride Cymbal Cup", "Tambourine", "Splash Cymbal", "Cowbell",
    "Crash Cymbal 2", "Vibraslap", "Ride Cymbal 2", "Bongo H", "Bongo L", "Conga H Mute",
    "Conga H Open", "Conga L", "Timbale H", "Timbale L", "Agogo H", "Agogo L", "Cabasa", "Maracas",
    "Samba Whisle H", "Samba Whisle L", "Guiro Short", "Guiro Long", "Claves", "Wood Block H",
    "Wood Block L", "Cuica Mute", "Cuica Open", "Triangle Mute", "Triangle Open", "Shaker",
    "Jingle Bells", "Bell Tree",
};
// clang-format on

std::set<int> GsKitsNamed(int map) {
  std::set<int> kits;
  for (int kit = 0; kit < 128; ++kit) {
    if (!Filled().GsDrum(kit, 0, map).empty()) kits.insert(kit);
  }
  return kits;
}

TEST(GsDrumRules, AKitIsNamedOnAllNotesOrOnNone) {
  const NameTables& t = Filled();
  for (int kit = 0; kit < 128; ++kit) {
    for (int map = 0; map < 5; ++map) {
      int named = 0;
      for (int note = 0; note < 128; ++note) named += !t.GsDrum(kit, note, map).empty();
      EXPECT_TRUE(named == 0 || named == 128) << "kit " << kit << " map " << map;
    }
  }
}

TEST(GsDrumRules, KitsNamedPerMap) {
  const std::set<int> all = {0, 8, 16, 24, 25, 32, 40, 48, 56};
  std::set<int> map1 = all;
  map1.insert(127);
  std::set<int> map2 = all;
  map2.insert({1, 26, 49, 50, 57});
  std::set<int> map3 = map2;
  map3.insert({2, 9, 10, 11, 27, 28, 29, 30, 52, 53, 58});
  std::set<int> map4 = map3;
  map4.insert({12, 13, 33, 41, 42, 51, 54, 55, 59, 60, 61, 62, 127});
  EXPECT_EQ(GsKitsNamed(0), map1);
  EXPECT_EQ(GsKitsNamed(1), map1);
  EXPECT_EQ(GsKitsNamed(2), map2);
  EXPECT_EQ(GsKitsNamed(3), map3);
  EXPECT_EQ(GsKitsNamed(4), map4);
}

TEST(GsDrumNames, Standard1InEveryMap) {
  const NameTables& t = Filled();
  for (int note = 0; note < 128; ++note) {
    EXPECT_EQ(t.GsDrum(0, note, 4), kGsStandard1[note]) << "note " << note;
  }
  // SC-88Pro: as SC-8850 without the room snares and without the "[Pro] " tags.
  const std::set<int> untagged = {17, 18, 19, 102, 103, 104, 118, 123, 124, 125, 127};
  for (int note = 0; note < 128; ++note) {
    std::string_view expected = kGsStandard1[note];
    if (note == 95 || note == 96) expected = "Nothing";
    if (untagged.count(note)) {
      ASSERT_TRUE(expected.starts_with("[Pro] ")) << expected;
      expected.remove_prefix(6);
    }
    EXPECT_EQ(t.GsDrum(0, note, 3), expected) << "note " << note;
  }
  // SC-88 and TG-300B: the SC-88Pro names on notes 25..87, with the plain hand clap.
  for (int note = 0; note < 128; ++note) {
    std::string_view expected = note >= 25 && note <= 87 ? t.GsDrum(0, note, 3) : "Nothing";
    if (note == 39) expected = "Hand Clap";
    EXPECT_EQ(t.GsDrum(0, note, 2), expected) << "note " << note;
    EXPECT_EQ(t.GsDrum(0, note, 0), expected) << "note " << note;
  }
  // SC-55: notes 27..87 of SC-88 with five names of its own.
  const std::map<int, std::string_view> sc55 = {{35, "Kick Drum 2"},
                                                {36, "Kick Drum 1"},
                                                {38, "Snare Drum 1"},
                                                {40, "Snare Drum 2"},
                                                {46, "Open Hi-Hat"}};
  for (int note = 0; note < 128; ++note) {
    std::string_view expected = note >= 27 && note <= 87 ? t.GsDrum(0, note, 2) : "Nothing";
    if (const auto own = sc55.find(note); own != sc55.end()) expected = own->second;
    EXPECT_EQ(t.GsDrum(0, note, 1), expected) << "note " << note;
  }
}

TEST(GsDrumNames, ChangingTheMapChangesKit0) {
  const NameTables& t = Filled();
  for (int map : {0, 1, 2}) {
    EXPECT_EQ(t.GsDrum(0, 39, map), "Hand Clap");
    EXPECT_EQ(t.GsDrum(0, 0, map), "Nothing");
  }
  for (int map : {3, 4}) {
    EXPECT_EQ(t.GsDrum(0, 39, map), "TR-909 Hand Clap");
    EXPECT_EQ(t.GsDrum(0, 0, map), "[88] Standard 1 Kick 1");
  }
}

TEST(GsDrumNames, KitsSharedBetweenMapsAndTrailingBlanks) {
  const NameTables& t = Filled();
  for (int note = 0; note < 128; ++note) {
    for (int kit : {0, 8, 16, 24, 25, 32, 40, 48}) {
      EXPECT_EQ(t.GsDrum(kit, note, 0), t.GsDrum(kit, note, 2)) << kit << "/" << note;
    }
    for (int kit : {56, 127}) {
      EXPECT_EQ(t.GsDrum(kit, note, 0), t.GsDrum(kit, note, 1)) << kit << "/" << note;
    }
    EXPECT_EQ(t.GsDrum(127, note, 4), t.GsDrum(127, note, 1)) << note;
    EXPECT_EQ(t.GsDrum(54, note, 4), t.GsDrum(55, note, 4)) << note;
  }
  EXPECT_EQ(t.GsDrum(54, 40, 4), "Kelontuk ");
  EXPECT_EQ(t.GsDrum(55, 40, 4), "Kelontuk ");
  EXPECT_EQ(t.GsDrum(60, 68, 4), "Over Blow ");
  EXPECT_EQ(t.GsDrum(0, 24, 4), "Consert SD");
}

TEST(XgDrumRules, ThirtyKitsNamedOnNotes13To84Only) {
  const NameTables& t = Filled();
  const std::set<int> kits = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  16, 17, 24, 25,  26,
                              27, 28, 29, 30, 31, 32, 33, 40, 41, 48, 64, 65, 66, 126, 127};
  for (int kit = 0; kit < 128; ++kit) {
    for (int note = 0; note < 128; ++note) {
      const bool named = kits.count(kit) && note >= 13 && note <= 84;
      EXPECT_EQ(t.XgDrum(kit, note).empty(), !named) << "kit " << kit << " note " << note;
      EXPECT_NE(t.XgDrum(kit, note), "Nothing");
    }
  }
}

TEST(XgDrumNames, StandardKitAndKitsDerivedFromIt) {
  const NameTables& t = Filled();
  for (int note = 13; note <= 84; ++note) {
    const std::string_view standard = kXgStandard[note - 13];
    EXPECT_EQ(t.XgDrum(0, note), standard) << "note " << note;
    EXPECT_EQ(t.XgDrum(27, note), standard) << "note " << note;
    EXPECT_EQ(t.XgDrum(127, note), standard) << "note " << note;
  }
  const std::map<int, std::string_view> standard2 = {
      {29, "Snare Roll 2"},     {31, "Snere Soft 2"}, {34, "Open Rim Shot H Short"},
      {35, "Kick Tight Short"}, {36, "Kick Short"},   {38, "Snare Short"},
      {40, "Snare Tight H"}};
  const std::set<int> mu100_marked = {30, 31, 34, 37, 38, 40, 42, 44, 46, 49,
                                      51, 52, 53, 56, 57, 59, 62, 63, 64};
  const std::map<int, std::string_view> bright_own = {{42, "Hi-Hat Closed L B"},
                                                      {53, "Ride Cymbal Cup Short"},
                                                      {56, "Cowbell L"},
                                                      {57, "Crash Cymbal 2B"},
                                                      {59, "Ride Cymbal 2B"}};
  for (int note = 13; note <= 84; ++note) {
    const std::string standard(kXgStandard[note - 13]);
    const auto own = standard2.find(note);
    EXPECT_EQ(t.XgDrum(1, note), own == standard2.end() ? standard : own->second) << note;
    EXPECT_EQ(t.XgDrum(126, note), mu100_marked.count(note) ? standard + "#" : standard) << note;
    const auto bright = bright_own.find(note);
    EXPECT_EQ(t.XgDrum(3, note), bright == bright_own.end() ? standard + " B" : bright->second)
        << note;
  }
  EXPECT_EQ(t.XgDrum(8, 36), "Kick Room");
  EXPECT_EQ(t.XgDrum(8, 50), "Tom Room 6");
  EXPECT_EQ(t.XgDrum(32, 36), "Kick Jazz");
  EXPECT_EQ(t.XgDrum(32, 50), "Tom Jazz 6");
}

}  // namespace
}  // namespace tonalyx::test
