#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "StoreFolder.h"
#include "settings/SettingsFile.h"

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

TEST_F(SettingsStore, WritesThroughASymbolicLinkKeepingTheLink) {
  const fs::path real = folder_ / "real.ini";
  WriteAll(real, "[dev]\ntype=1\n");
  fs::create_symlink(real, path_);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("dev", "type", 2);
  ASSERT_TRUE(settings.Store());
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadAll(real), "[dev]\ntype=2\n\n");
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
  const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved;
  limit.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
  const bool stored = settings.Store();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, saved_handler);

  EXPECT_FALSE(stored);
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, ADeviceLoadsAsAnEmptyFile) {
  EXPECT_EQ(SettingsFile::Open("/dev/zero").Text(), "");
}

}  // namespace
}  // namespace tonalyx
