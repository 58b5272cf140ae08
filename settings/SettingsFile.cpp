#include "settings/SettingsFile.h"

namespace tonalyx {

SettingsFile SettingsFile::Open(const std::filesystem::path& path) {
  SettingsFile file;
  file.path_ = path;
  return file;
}

int SettingsFile::ReadInteger(std::string_view, std::string_view, int defaultValue) const {
  return defaultValue;
}

std::string SettingsFile::ReadString(std::string_view, std::string_view,
                                     std::string_view defaultValue) const {
  return std::string(defaultValue);
}

void SettingsFile::WriteInteger(std::string_view, std::string_view, int) {}
void SettingsFile::WriteString(std::string_view, std::string_view, std::string_view) {}
bool SettingsFile::Store() const { return false; }

std::filesystem::path SettingsPathForExecutable(const std::filesystem::path& executable) {
  std::filesystem::path path = executable;
  path.replace_extension(".ini");
  return path;
}

}  // namespace tonalyx
