#include "settings/SoundfontSetting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "StoreFolder.h"

namespace tonalyx {
namespace {

namespace fs = std::filesystem;

// Absolute on every platform (a bare "/opt" has no drive on Windows).
fs::path Elsewhere(const std::string& name) { return fs::temp_directory_path() / "opt" / name; }

class SoundfontSettingTest : public SettingsStore {
 protected:
  fs::path Settings(const std::string& text) const {
    WriteAll(path_, text);
    return path_;
  }
};

TEST_F(SoundfontSettingTest, ANamedSoundfontCountsFromTheSettingsFolder) {
  EXPECT_EQ(SoundfontSetting(Settings("[synth]\nsoundfont=fonts/a.sf2\n"), Elsewhere("x.sf2")),
            folder_ / "fonts/a.sf2");
  EXPECT_EQ(SoundfontSetting(Settings("[SYNTH]\nSoundFont = " + Elsewhere("b.sf2").string() + "\n"),
                             Elsewhere("x.sf2")),
            Elsewhere("b.sf2"));
}

TEST_F(SoundfontSettingTest, NoNameGivesTheFallbackAndEveryCallReadsTheFileAgain) {
  EXPECT_EQ(SoundfontSetting(folder_ / "missing.ini", Elsewhere("x.sf2")), Elsewhere("x.sf2"));
  const fs::path settings = Settings("[synth]\nsoundfont=\n[dev]\ntype=1\n");
  EXPECT_EQ(SoundfontSetting(settings, Elsewhere("x.sf2")), Elsewhere("x.sf2"));
  Settings("[synth]\nsoundfont=" + Elsewhere("c.sf2").string() + "\n");
  EXPECT_EQ(SoundfontSetting(settings, Elsewhere("x.sf2")), Elsewhere("c.sf2"));
}

}  // namespace
}  // namespace tonalyx
