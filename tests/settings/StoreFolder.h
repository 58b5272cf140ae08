#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace tonalyx {

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteAll(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder of its own for each test, holding the settings file
// tonalyx.ini; removed afterwards, read-only marks and all.
class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    namespace fs = std::filesystem;
    std::random_device random;
    do {
      folder_ = fs::temp_directory_path() / ("tonalyx-settings-" + std::to_string(random()));
    } while (!fs::create_directory(folder_));
    path_ = folder_ / "tonalyx.ini";
  }
  void TearDown() override {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, error);
    for (const auto& entry : fs::recursive_directory_iterator(folder_, error))
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(folder_, error);
  }
  // The folder holds nothing but the file `name`: no temporary file left.
  void ExpectOnly(const std::filesystem::path& folder, const std::filesystem::path& name) const {
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      ++entries;
      EXPECT_EQ(entry.path().filename(), name);
    }
    EXPECT_EQ(entries, 1);
  }
  void ExpectOnlyTheSettingsFile() const { ExpectOnly(folder_, "tonalyx.ini"); }

  std::filesystem::path folder_;
  std::filesystem::path path_;
};

// A hand-edited file: comments, capitals, blanks around "=", a foreign section.
inline constexpr char kHandEdited[] =
    "; my settings\n[WINDOW]\nHEIGHT = 300\n\n[Mine]\nkeep=this\n[dev]\ntype=0x1\n";

}  // namespace tonalyx
