#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "StoreFolder.h"
#include "settings/SettingsFile.h"
#include "support/FileSizeLimit.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsStore, KeepsTheModeOfAnExistingFile) {
  WriteAll(path_, "[dev]\ntype=2\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("dev", "type", 3);
  ASSERT_TRUE(settings.Store());
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SettingsStore, WritesThroughASymbolicLinkKeepingTheLinkButOnlyToASettingsFile) {
  // A link to a file of sections is written through; one to a foreign file
  // (here a copy of a password file) leaves that file alone.
  const std::string foreign = "root:x:0:0:root:/root:/bin/bash\n";
  for (const std::string& content : {std::string("[dev]\ntype=1\n"), foreign}) {
    const fs::path real = folder_ / "real.ini";
    WriteAll(real, content);
    fs::remove(path_);
    fs::create_symlink(real, path_);
    SettingsFile settings = SettingsFile::Open(path_);
    settings.WriteInteger("dev", "type", 2);
    EXPECT_EQ(settings.Store(), content != foreign);
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(ReadAll(real), content != foreign ? "[dev]\ntype=2\n\n" : foreign);
  }
}

TEST_F(SettingsStore, LeavesTheFileInAReadOnlyFolderAsItWas) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores the folder's permission bits";
  WriteAll(path_, kHandEdited);
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("window", "Height", 1);
  EXPECT_FALSE(settings.Store());
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, AWriteErrorLeavesThePreviousFileAndNoTemporaryFile) {
  WriteAll(path_, kHandEdited);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteString("dev", "drum", std::string(64 * 1024, 'x'));

  bool stored = true;
  {
    const FileSizeLimit full_disk(4096);
    ASSERT_TRUE(full_disk.IsSet());
    stored = settings.Store();
  }

  EXPECT_FALSE(stored);
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, ADanglingLinkGetsTheFileItPointsTo) {
  // A relative link counts from the link's folder; a chain is followed to
  // its end.
  fs::create_directory(folder_ / "config");
  fs::create_symlink("config/tonalyx.ini", folder_ / "middle.ini");
  fs::create_symlink("middle.ini", path_);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("dev", "type", 2);
  ASSERT_TRUE(settings.Store());
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_TRUE(fs::is_symlink(folder_ / "middle.ini"));
  EXPECT_EQ(ReadAll(folder_ / "config" / "tonalyx.ini"), "[dev]\ntype=2\n\n");
  EXPECT_EQ(SettingsFile::Open(path_).ReadInteger("dev", "type", 0), 2);
}

TEST_F(SettingsStore, ALinkThatLeadsNowhereIsLeftAsItIs) {
  // A loop, and a link into a folder that does not exist.
  fs::create_symlink("loop-b", folder_ / "loop-a");
  fs::create_symlink("loop-a", folder_ / "loop-b");
  fs::create_symlink("missing/tonalyx.ini", path_);
  for (const fs::path& link : {folder_ / "loop-a", path_}) {
    SettingsFile settings = SettingsFile::Open(link);
    settings.WriteInteger("dev", "type", 2);
    EXPECT_FALSE(settings.Store());
    EXPECT_TRUE(fs::is_symlink(link));
  }
  EXPECT_FALSE(fs::exists(folder_ / "missing"));
}

TEST_F(SettingsStore, APipeOrADeviceLoadsEmptyAndIsNeverReplaced) {
  const fs::path pipe = folder_ / "pipe.ini";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const fs::path& path : {pipe, fs::path("/dev/zero")}) {
    SettingsFile settings = SettingsFile::Open(path);
    EXPECT_EQ(settings.Text(), "");
    settings.WriteInteger("dev", "type", 1);
    EXPECT_FALSE(settings.Store()) << path;
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_TRUE(fs::is_character_file("/dev/zero"));
}

TEST_F(SettingsStore, AFileThatCannotBeReadIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads any file";
  WriteAll(path_, kHandEdited);
  fs::permissions(path_, fs::perms::owner_write);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("dev", "type", 1);
  EXPECT_FALSE(settings.Store());
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(ReadAll(path_), kHandEdited);
}

}  // namespace
}  // namespace tonalyx
