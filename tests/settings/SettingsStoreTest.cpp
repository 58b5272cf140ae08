#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/SettingsFile.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tonalyx-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    path_ = folder_ / "tonalyx.ini";
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(folder_, error);
  }
  // The folder holds nothing but the settings file: no temporary file left.
  void ExpectOnlyTheSettingsFile() const {
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      ++entries;
      EXPECT_EQ(entry.path().filename(), "tonalyx.ini");
    }
    EXPECT_EQ(entries, 1);
  }

  fs::path folder_;
  fs::path path_;
};

const char kHandEdited[] =
    "; my settings\n[WINDOW]\nHEIGHT = 300\n\n[Mine]\nkeep=this\n[dev]\ntype=0x1\n";

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

TEST_F(SettingsStore, CreatesAMissingFileAndKeepsTheModeOfAnExistingOne) {
  SettingsFile created = SettingsFile::Open(path_);
  created.WriteInteger("dev", "type", 2);
  ASSERT_TRUE(created.Store());
  EXPECT_EQ(ReadAll(path_), "[dev]\ntype=2\n\n");

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

// The permission bit is honoured even by root, who could write the file.
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
  // any user.
  const fs::path notAFolder = folder_ / "plain-file";
  WriteAll(notAFolder, "x");
  SettingsFile settings = SettingsFile::Open(notAFolder / "tonalyx.ini");
  settings.WriteInteger("dev", "type", 1);
  EXPECT_FALSE(settings.Store());
  EXPECT_EQ(ReadAll(notAFolder), "x");
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

  // A file size limit makes the write fail the way a full disk does, for any
  // user; the signal it raises is ignored so that write reports the error.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  const bool stored = settings.Store();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);

  EXPECT_FALSE(stored);
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, LoadsOnlyTheCappedHeadOfAnOversizedFile) {
  std::string text = "[dev]\ntype=2\n[filler]\n";
  const std::string line = std::string(1000, 'f') + "\n";
  while (text.size() < SettingsFile::MaxLoadBytes + 200000) text += line;
  text += "[late]\nkey=1\n";
  WriteAll(path_, text);
  const SettingsFile settings = SettingsFile::Open(path_);
  EXPECT_EQ(settings.ReadInteger("dev", "type", 0), 2);
  EXPECT_EQ(settings.ReadInteger("late", "key", 0), 0);
  EXPECT_LE(settings.Text().size(), SettingsFile::MaxLoadBytes + 16);
  // Only complete lines are kept.
  EXPECT_EQ(settings.Text().find(std::string(1000, 'f') + "\n" + std::string(999, 'f') + "\n"),
            std::string::npos);
}

TEST_F(SettingsStore, AFileTooLargeToLoadWholeKeepsItsTail) {
  std::string text = "[window]\nHeight=300\n[filler]\n";
  const std::string line = std::string(1000, 'f') + "\n";
  while (text.size() < 3 * SettingsFile::MaxLoadBytes) text += line;
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

TEST_F(SettingsStore, AFolderAPipeOrADeviceLoadsEmptyAndIsNeverReplaced) {
  const fs::path pipe = folder_ / "pipe.ini";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const fs::path& path : {folder_, pipe, fs::path("/dev/null")}) {
    SettingsFile settings = SettingsFile::Open(path);
    EXPECT_EQ(settings.Text(), "");
    settings.WriteInteger("dev", "type", 1);
    EXPECT_FALSE(settings.Store()) << path;
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
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
