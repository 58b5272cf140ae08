#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "StoreFolder.h"
#include "settings/SettingsFile.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

TEST(SettingsPath, ReplacesTheExtensionOfAWideWindowsPath) {
  EXPECT_EQ(SettingsPathForExecutable(L"C:\\Program Files\\音源ツール\\Tonalyx.exe").wstring(),
            L"C:\\Program Files\\音源ツール\\Tonalyx.ini");
  // A dot in a folder name is no extension.
  EXPECT_EQ(SettingsPathForExecutable(L"D:\\音源.v4\\tonalyx").wstring(),
            L"D:\\音源.v4\\tonalyx.ini");
}

TEST_F(SettingsStore, StoresBesideAnExecutableInAFolderWithAJapaneseName) {
  const fs::path folder = folder_ / L"音源の設定";
  ASSERT_TRUE(fs::create_directory(folder));
  const fs::path path = SettingsPathForExecutable(folder / L"トナリクス.exe");
  ASSERT_EQ(path.filename().wstring(), L"トナリクス.ini");

  SettingsFile created = SettingsFile::Open(path);
  created.WriteString("dev", "drum", "ＭＩＤＩ音源");
  ASSERT_TRUE(created.Store());
  // Found under its wide name, by the platform's own call.
  EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);

  SettingsFile settings = SettingsFile::Open(path);
  EXPECT_EQ(settings.ReadString("dev", "drum", "none"), "ＭＩＤＩ音源");
  settings.WriteInteger("dev", "type", 1);
  ASSERT_TRUE(settings.Store());
  EXPECT_EQ(ReadAll(path), "[dev]\ndrum=ＭＩＤＩ音源\ntype=1\n\n");
  ExpectOnly(folder, L"トナリクス.ini");
}

TEST_F(SettingsStore, LeavesAFileWithTheReadOnlyAttributeAsItWas) {
  WriteAll(path_, kHandEdited);
  ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY));
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("window", "Height", 1);
  EXPECT_FALSE(settings.Store());
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  EXPECT_NE(::GetFileAttributesW(path_.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  ExpectOnlyTheSettingsFile();
}

// Another program holding the file open decides whether it may be written or
// replaced: without sharing writes the file is not written, and without
// sharing deletion it cannot be replaced. Either way the old file stays and no
// temporary file is left; once the other program lets go, the store works.
TEST_F(SettingsStore, LeavesAFileAnotherProgramHoldsOpenAsItWas) {
  WriteAll(path_, kHandEdited);
  for (const DWORD sharing : {DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE},
                              DWORD{FILE_SHARE_READ | FILE_SHARE_DELETE}}) {
    const HANDLE held = ::CreateFileW(path_.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SettingsFile settings = SettingsFile::Open(path_);
    settings.WriteInteger("window", "Height", 1);
    EXPECT_FALSE(settings.Store()) << "sharing " << sharing;
    ::CloseHandle(held);
    EXPECT_EQ(ReadAll(path_), kHandEdited);
    ExpectOnlyTheSettingsFile();
  }
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteInteger("window", "Height", 1);
  EXPECT_TRUE(settings.Store());
}

// Run by its own test under a file size limit (tests/settings/CMakeLists.txt),
// which TONALYX_FILE_SIZE_LIMIT names: the new text is larger, so its write
// fails part way, as on a full disk.
TEST_F(SettingsStore, AWriteThatFailsPartWayLeavesThePreviousFile) {
  const char* limit = std::getenv("TONALYX_FILE_SIZE_LIMIT");
  if (limit == nullptr) GTEST_SKIP() << "runs only under a file size limit";
  WriteAll(path_, kHandEdited);
  SettingsFile settings = SettingsFile::Open(path_);
  settings.WriteString("dev", "drum", std::string(2 * std::stoul(limit), 'x'));
  EXPECT_FALSE(settings.Store());
  EXPECT_EQ(ReadAll(path_), kHandEdited);
  ExpectOnlyTheSettingsFile();
}

TEST_F(SettingsStore, TheNulDeviceLoadsAsAnEmptyFileAndIsNeverReplaced) {
  SettingsFile settings = SettingsFile::Open(L"NUL");
  EXPECT_EQ(settings.Text(), "");
  settings.WriteInteger("dev", "type", 1);
  EXPECT_FALSE(settings.Store());
}

}  // namespace
}  // namespace tonalyx
