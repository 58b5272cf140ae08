#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "settings/SettingsFile.h"
#include "settings/SettingsLocation.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

// A temporary tree with an executable's folder and a user configuration folder.
class SettingsLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    do {
      root_ = fs::temp_directory_path() / ("tonalyx-location-" + std::to_string(random()));
    } while (!fs::create_directory(root_));
    bin_ = root_ / "bin";
    fs::create_directory(bin_);
    config_ = root_ / "home" / ".config";
    fs::create_directories(config_);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(bin_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(root_, error);
  }
  SettingsPlaces Places(const fs::path& installBin) const {
    return {bin_ / "tonalyx", installBin, config_};
  }
  fs::path Beside() const { return bin_ / "tonalyx.ini"; }
  fs::path InConfig() const { return config_ / "tonalyx" / "tonalyx.ini"; }
  void MakeBinReadOnly() const {
    fs::permissions(bin_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  }

  fs::path root_;
  fs::path bin_;
  fs::path config_;
};

TEST_F(SettingsLocation, ABuildFolderOrPortableCopyKeepsItsSettingsBesideTheExecutable) {
  EXPECT_EQ(ChooseSettingsPath(Places(root_ / "usr" / "bin")), Beside());
  EXPECT_EQ(ChooseSettingsPath(Places({})), Beside());  // no install folder known
}

TEST_F(SettingsLocation, TheInstallFolderUsesTheUserConfigurationFolderThoughItIsWritable) {
  // As for root, who could write /usr/bin.
  EXPECT_EQ(ChooseSettingsPath(Places(bin_)), InConfig());
  // However the build spells the folder.
  EXPECT_EQ(ChooseSettingsPath(Places(bin_ / "")), InConfig());
  EXPECT_EQ(ChooseSettingsPath(Places(root_ / "home" / ".." / "bin")), InConfig());
#if !defined(_WIN32)
  fs::create_directory_symlink(bin_, root_ / "linked-bin");
  EXPECT_EQ(ChooseSettingsPath(Places(root_ / "linked-bin")), InConfig());
#endif
}

#if !defined(_WIN32)
// On Windows a folder's read-only attribute does not keep files out of it; its
// access rights do, and this machine's Wine cannot take them away from root.
TEST_F(SettingsLocation, AReadOnlyFolderUsesTheUserConfigurationFolder) {
  MakeBinReadOnly();
  EXPECT_EQ(ChooseSettingsPath(Places(root_ / "usr" / "bin")), InConfig());
}
#endif

TEST_F(SettingsLocation, AReadableFileBesideTheExecutableAlwaysWins) {
  std::ofstream(Beside()) << "[window]\nheight=300\n";
  MakeBinReadOnly();
  EXPECT_EQ(ChooseSettingsPath(Places(bin_)), Beside());
}

TEST_F(SettingsLocation, SomethingBesideThatIsNoFileDoesNotCount) {
  fs::create_directory(Beside());
  EXPECT_EQ(ChooseSettingsPath(Places(bin_)), InConfig());
}

TEST_F(SettingsLocation, WithoutAUserConfigurationFolderTheFileStaysBeside) {
  MakeBinReadOnly();
  EXPECT_EQ(ChooseSettingsPath({bin_ / "tonalyx", bin_, {}}), Beside());
}

TEST_F(SettingsLocation, TheFirstStoreMakesTheConfigurationFolderForTheUserAlone) {
  fs::remove_all(root_ / "home");  // not even ~/.config yet
  const fs::path path = ChooseSettingsPath(Places(bin_));
  SettingsFile settings = SettingsFile::Open(path);
  EXPECT_EQ(settings.Text(), "");
  settings.WriteInteger("window", "Height", 127);
  ASSERT_TRUE(settings.Store());
  EXPECT_EQ(SettingsFile::Open(path).ReadInteger("window", "height", 0), 127);
#if !defined(_WIN32)
  // Windows has no permission bits to narrow; its folders follow their parent's rights.
  for (const fs::path& folder : {config_, config_ / "tonalyx"}) {
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
  }
#endif
  EXPECT_FALSE(fs::exists(Beside()));
}

}  // namespace
}  // namespace tonalyx
