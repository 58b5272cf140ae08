#include "settings/SoundfontSetting.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

class SoundfontSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tonalyx-soundfont-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Settings(const std::string& text) const {
    std::ofstream(dir_ / "tonalyx.ini", std::ios::binary) << text;
    return dir_ / "tonalyx.ini";
  }

  fs::path dir_;
};

TEST_F(SoundfontSettingTest, ANamedSoundfontCountsFromTheSettingsFolder) {
  EXPECT_EQ(SoundfontSetting(Settings("[synth]\nsoundfont=fonts/a.sf2\n"), "/usr/x.sf2"),
            dir_ / "fonts/a.sf2");
  EXPECT_EQ(SoundfontSetting(Settings("[SYNTH]\nSoundFont = /opt/b.sf2\n"), "/usr/x.sf2"),
            fs::path("/opt/b.sf2"));
}

TEST_F(SoundfontSettingTest, NoNameGivesTheFallbackAndEveryCallReadsTheFileAgain) {
  EXPECT_EQ(SoundfontSetting(dir_ / "missing.ini", "/usr/x.sf2"), fs::path("/usr/x.sf2"));
  const fs::path settings = Settings("[synth]\nsoundfont=\n[dev]\ntype=1\n");
  EXPECT_EQ(SoundfontSetting(settings, "/usr/x.sf2"), fs::path("/usr/x.sf2"));
  Settings("[synth]\nsoundfont=/opt/c.sf2\n");
  EXPECT_EQ(SoundfontSetting(settings, "/usr/x.sf2"), fs::path("/opt/c.sf2"));
}

}  // namespace
}  // namespace tonalyx
