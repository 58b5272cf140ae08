#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "StoreFolder.h"
#include "settings/SettingsFile.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsStore, StoresAndLoadsBackThroughTheFile) {
  WriteAll(path_, kHandEdited);
  SettingsFile settings = SettingsFile::Open(path_);
  EXPECT_EQ(settings.ReadInteger("window", "height", 127), 300);
  EXPECT_EQ(settings.ReadInteger("dev", "type", 0), 1);
  settings.WriteInteger("window", "Height", 300);
  settings.WriteInteger("Window2", "Height", 579);
  ASSERT_TRUE(settings.Store());
  EXPECT_EQ(ReadAll(path_),
            "[WINDOW]\nHeight=300\n\n[Mine]\nkeep=this\n\n[dev]\ntype=0x1\n\n"
            "[Window2]\nHeight=579\n\n");
  EXPECT_EQ(SettingsFile::Open(path_).ReadInteger("Window2", "height", 0), 579);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, ClosingWithoutAStoreChangesNothing) {
  WriteAll(path_, kHandEdited);
  {
    SettingsFile settings = SettingsFile::Open(path_);
    settings.WriteInteger("window", "Height", 1);
  }
  EXPECT_EQ(ReadAll(path_), kHandEdited);
}

TEST_F(SettingsStore, CreatesAMissingFileAndReplacesItOnTheNextStore) {
  SettingsFile created = SettingsFile::Open(path_);
  created.WriteInteger("dev", "type", 2);
  ASSERT_TRUE(created.Store());
  EXPECT_EQ(ReadAll(path_), "[dev]\ntype=2\n\n");

  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("dev", "type", 3);
  ASSERT_TRUE(settings.Store());
  EXPECT_EQ(ReadAll(path_), "[dev]\ntype=3\n\n");
  ExpectOnlyTheSettingsFile();
}

// No write permission bit on POSIX, the read-only attribute on Windows; the
// mark is honoured even by a process that could lift it.
TEST_F(SettingsStore, LeavesAReadOnlyFileAsItWas) {
  WriteAll(path_, kHandEdited);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("window", "Height", 1);
  EXPECT_FALSE(settings.Store());
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, FailsWhenTheFolderTakesNoNewFile) {
  // A folder path that is a file: no temporary file can be made there, for
  // any user, and no folder can be made in its place.
  const fs::path not_a_folder = folder_ / "plain-file";
  WriteAll(not_a_folder, "x");
  for (const fs::path& path :
       {not_a_folder / "tonalyx.ini", not_a_folder / "sub" / "tonalyx.ini"}) {
    SettingsFile settings = SettingsFile::Open(path);
    settings.WriteInteger("dev", "type", 1);
    EXPECT_FALSE(settings.Store()) << path;
  }
  EXPECT_EQ(ReadAll(not_a_folder), "x");
  ExpectOnly(folder_, "plain-file");
}

TEST_F(SettingsStore, RefusesToReplaceAFolder) {
  fs::create_directory(path_);
  SettingsFile settings = SettingsFile::Open(path_);
  EXPECT_EQ(settings.Text(), "");
  settings.WriteInteger("dev", "type", 1);
  EXPECT_FALSE(settings.Store());
  EXPECT_TRUE(fs::is_directory(path_));
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, LoadsOnlyTheCappedHeadOfAnOversizedFile) {
  std::string text = "[dev]\ntype=2\n[filler]\n";
  const std::string line = std::string(1000, 'f') + "\n";
  while (text.size() < SettingsFile::kMaxLoadBytes + 200000) text += line;
  text += "[late]\nkey=1\n";
  WriteAll(path_, text);
  const SettingsFile settings = SettingsFile::Open(path_);
  EXPECT_EQ(settings.ReadInteger("dev", "type", 0), 2);
  EXPECT_EQ(settings.ReadInteger("late", "key", 0), 0);
  EXPECT_LE(settings.Text().size(), SettingsFile::kMaxLoadBytes + 16);
  // Only complete lines are kept.
  EXPECT_EQ(settings.Text().find(std::string(1000, 'f') + "\n" + std::string(999, 'f') + "\n"),
            std::string::npos);
}

TEST_F(SettingsStore, AFileTooLargeToLoadWholeIsNotRewritten) {
  std::string text = "[window]\nHeight=300\n[filler]\n";
  const std::string line = std::string(1000, 'f') + "\n";
  while (text.size() < 3 * SettingsFile::kMaxLoadBytes) text += line;
  text += "[last]\nkeep=this\n";
  WriteAll(path_, text);
  SettingsFile settings = SettingsFile::Open(path_);
  EXPECT_EQ(settings.ReadInteger("window", "Height", 127), 300);
  settings.WriteInteger("window", "Height", 200);
  EXPECT_FALSE(settings.Store());
  EXPECT_EQ(ReadAll(path_), text);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, AFileWithoutAnySectionIsNeverReplacedButABlankOneIs) {
  const std::string foreign = "root:x:0:0:root:/root:/bin/bash\n[not a header\nx=1\n";
  for (const std::string& content :
       {foreign, std::string(64, '\0'), std::string("\xff\xfe[\0d\0]\0", 8)}) {
    WriteAll(path_, content);
    SettingsFile settings = SettingsFile::Open(path_);
    settings.WriteInteger("dev", "type", 1);
    EXPECT_FALSE(settings.Store());
    EXPECT_EQ(ReadAll(path_), content);
  }
  WriteAll(path_, " \n\t\r\n");
  SettingsFile blank = SettingsFile::Open(path_);
  blank.WriteInteger("dev", "type", 1);
  EXPECT_TRUE(blank.Store());
  EXPECT_EQ(ReadAll(path_), "[dev]\ntype=1\n\n");
  ExpectOnlyTheSettingsFile();
}

}  // namespace
}  // namespace tonalyx
