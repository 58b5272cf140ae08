#include "settings/SoundfontSetting.h"

#include <string>

#include "settings/SettingsFile.h"

namespace tonalyx {

std::filesystem::path SoundfontSetting(const std::filesystem::path& settings_path,
                                       const std::filesystem::path& fallback) {
  const std::string named = SettingsFile::Open(settings_path).ReadString("synth", "soundfont", "");
  if (named.empty()) return fallback;
  const std::filesystem::path path(named);
  return path.is_relative() ? settings_path.parent_path() / path : path;
}

}  // namespace tonalyx
