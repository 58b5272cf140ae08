#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tonalyx {

// The INI settings file beside the executable. Each action opens its own
// object, which holds the whole file in memory; changes reach the disk only
// through Store.
class SettingsFile {
 public:
  // Loads the file; a missing or unreadable file gives an empty object.
  static SettingsFile Open(const std::filesystem::path& path);

  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Rewrites the whole file atomically. Returns false, leaving the previous
  // file as it was, when it cannot or must not be written.
  bool Store() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  std::filesystem::path path_;
  std::vector<Section> sections_;
};

// The executable's path with its extension replaced by ".ini".
std::filesystem::path SettingsPathForExecutable(const std::filesystem::path& executable);

}  // namespace tonalyx
