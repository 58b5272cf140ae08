// The favourites file: a round trip that keeps what it cannot read, the
// files it must never replace, a store that fails, and the favourites as a
// definition file's names.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "favouritesfile/FavouritesFile.h"
#include "favouritesfile/FavouritesMap.h"
#include "settings/StoreFolder.h"

#ifndef _WIN32
#include "support/FileSizeLimit.h"
#endif

namespace tonalyx {
namespace {

namespace fs = std::filesystem;
using Problem = FavouritesProblem;

SoundChoice Tone(ModuleKind type, int map, int bank, int program) {
  SoundChoice sound{type, map, false};
  sound.bank = bank;
  sound.program = program;
  return sound;
}

SoundChoice Drum(ModuleKind type, int map, int kit, int note) {
  SoundChoice sound{type, map, true};
  sound.kit = kit;
  sound.note = note;
  return sound;
}

class FavouritesStore : public SettingsStore {
 protected:
  fs::path File() const { return folder_ / "tonalyx-favourites.tsv"; }
};

TEST_F(FavouritesStore, RoundTripKeepsEveryLineItCannotReadWhereItStood) {
  WriteAll(File(),
           "tonalyx-favourites\t1\r\n"
           "tone\tGS\t4\t8\t4\tDetuned EP 1\n"
           "tone\tGS\t9\t0\t0\tmap out of range\n"
           "drum\tXG\t0\t0\t36\tKick\n"
           "a line someone wrote by hand\n"
           "tone\tGM\t4\t0\t19\tOrgan \xff\n");
  FavouritesFile file(File());
  ASSERT_EQ(file.LoadProblem(), Problem::kNone);
  ASSERT_EQ(file.Count(), 2);
  EXPECT_EQ(file.KeptLineCount(), 3);
  EXPECT_EQ(file.At(0).sound, Tone(ModuleKind::kGs, 4, 8, 4));
  EXPECT_EQ(file.At(1).sound, Drum(ModuleKind::kXg, 0, 0, 36));

  // Each change is stored at once; the entries trade places around the kept lines.
  EXPECT_EQ(file.Add({Tone(ModuleKind::kGm, 4, 0, 19), "Church\tOrgan\n"}), Problem::kNone);
  EXPECT_EQ(file.Move(2, 0), Problem::kNone);
  EXPECT_EQ(file.Rename(1, "  My EP  "), Problem::kNone);
  EXPECT_EQ(file.Remove(2), Problem::kNone);
  EXPECT_EQ(ReadAll(File()),
            "tonalyx-favourites\t1\n"
            "tone\tGM\t4\t0\t19\tChurch Organ\n"
            "tone\tGS\t9\t0\t0\tmap out of range\n"
            "tone\tGS\t4\t8\t4\tMy EP\n"
            "a line someone wrote by hand\n"
            "tone\tGM\t4\t0\t19\tOrgan \xff\n");

  const FavouritesFile again(File());
  ASSERT_EQ(again.Count(), 2);
  EXPECT_EQ(again.At(0).name, "Church Organ");
  EXPECT_EQ(again.At(1).name, "My EP");
  EXPECT_EQ(again.KeptLineCount(), 3);
  ExpectOnly(folder_, "tonalyx-favourites.tsv");
}

TEST_F(FavouritesStore, AFileItMayNotReplaceStaysAsItWas) {
  // Larger than is read: the entries of the first MiB are shown.
  const std::string header = "tonalyx-favourites\t1\n";
  const std::string entry = "tone\tGS\t4\t0\t0\tPiano 1\n";
  std::string huge = header;
  while (huge.size() <= FavouritesFile::kMaxLoadBytes) huge += entry;
  const auto shown =
      static_cast<int>((FavouritesFile::kMaxLoadBytes - header.size()) / entry.size());
  const struct {
    std::string text;
    Problem problem;
    int entries;
  } cases[] = {
      {"tonalyx-favourites\t2\ntone\tGS\t4\t0\t0\tPiano 1\nnew\tcolumns\n", Problem::kLaterVersion,
       0},
      {"root:x:0:0:root:/root:/bin/bash\n", Problem::kNotOurs, 0},
      {"\xEF\xBB\xBFtonalyx-favourites\t1\n", Problem::kNone, 0},  // an editor's byte order mark
      {huge, Problem::kTooLarge, shown},
  };
  for (const auto& c : cases) {
    WriteAll(File(), c.text);
    FavouritesFile file(File());
    EXPECT_EQ(file.LoadProblem(), c.problem);
    EXPECT_EQ(file.Count(), c.entries);
    EXPECT_EQ(file.Add({Tone(ModuleKind::kGs, 4, 0, 0), "Piano"}), c.problem);
    if (c.problem != Problem::kNone) {
      EXPECT_EQ(ReadAll(File()), c.text);
    }
  }
#ifndef _WIN32
  // A link to a system file, here a copy of a password file, is not replaced
  // and its target not written.
  const std::string passwd = "root:x:0:0:root:/root:/bin/bash\n";
  WriteAll(folder_ / "passwd", passwd);
  fs::remove(File());
  fs::create_symlink(folder_ / "passwd", File());
  FavouritesFile linked(File());
  EXPECT_EQ(linked.Add({Tone(ModuleKind::kGs, 4, 0, 0), "Piano"}), Problem::kNotOurs);
  EXPECT_EQ(ReadAll(folder_ / "passwd"), passwd);
#endif
  // A folder where the file should be is not read and not replaced.
  fs::remove(File());
  fs::create_directory(File());
  FavouritesFile folder(File());
  EXPECT_EQ(folder.Add({Tone(ModuleKind::kGs, 4, 0, 0), "Piano"}), Problem::kUnreadable);
  EXPECT_TRUE(fs::is_directory(File()));
}

#ifndef _WIN32
TEST_F(FavouritesStore, AFullDiskLeavesTheFileAndTheListAsTheyWere) {
  WriteAll(File(), "tonalyx-favourites\t1\ntone\tGS\t4\t0\t0\tPiano 1\n");
  FavouritesFile file(File());
  {
    const FileSizeLimit full_disk(40);
    ASSERT_TRUE(full_disk.IsSet());
    EXPECT_EQ(file.Add({Tone(ModuleKind::kGs, 4, 0, 1), std::string(100, 'x')}),
              Problem::kWriteFailed);
  }
  EXPECT_EQ(file.Count(), 1);
  EXPECT_EQ(ReadAll(File()), "tonalyx-favourites\t1\ntone\tGS\t4\t0\t0\tPiano 1\n");
  ExpectOnly(folder_, "tonalyx-favourites.tsv");
}
#endif

TEST(FavouritesMap, OnePatchPerSelectionUnderTheUsersNamesAndTheKitsByBank) {
  const std::vector<Favourite> favourites = {
      {Tone(ModuleKind::kGs, 4, 8, 4), "Silky EP"},
      {Tone(ModuleKind::kXg, 2, 64, 16), "Jazz organ"},
      {Tone(ModuleKind::kGs, 4, 8, 4), "Same EP again"},
      {Drum(ModuleKind::kXg, 0, 0, 36), "Kick"},
      {Drum(ModuleKind::kGs, 4, 8, 38), "Room snare"},
      {Drum(ModuleKind::kGs, 4, 8, 36), "Room kick"},
      {Tone(ModuleKind::kGm2, 4, 0, 0), "GM2 selects nothing"},
  };
  const FavouritesContent gathered = CollectFavourites(favourites);
  const MapContent& content = gathered.content;
  ASSERT_EQ(content.tones.size(), 2u);
  // By bank: XG's MSB 0 / LSB 64 before GS's MSB 8 / LSB 4 (the map).
  EXPECT_EQ(content.tones[0].select.Bank(), 64);
  EXPECT_EQ(content.tones[0].name, "Jazz organ");
  EXPECT_EQ(content.tones[1].select.Bank(), 8 * 128 + 4);
  EXPECT_EQ(content.tones[1].select.program, 4);
  EXPECT_EQ(content.tones[1].name, "Silky EP / Same EP again");
  ASSERT_EQ(content.kits.size(), 2u);
  EXPECT_EQ(content.kits[0].select.Bank(), 4);  // GS kit: MSB 0, LSB the map
  EXPECT_EQ(content.kits[0].select.program, 8);
  ASSERT_EQ(content.kits[0].notes.size(), 2u);
  EXPECT_EQ(content.kits[0].notes[0].name, "Room kick");
  EXPECT_EQ(content.kits[1].select.Bank(), 127 * 128);  // XG kit: the drum voice bank
  EXPECT_EQ(content.kits[1].notes[0].name, "Kick");
}

}  // namespace
}  // namespace tonalyx
