#include "settings/SoundfontSetting.h"

#include <string>

#include "settings/SettingsFile.h"

namespace tonalyx {

std::filesystem::path SoundfontSetting(const std::filesystem::path& settingsPath,
                                       const std::filesystem::path& fallback) {
  const std::string named = SettingsFile::Open(settingsPath).ReadString("synth", "soundfont", "");
  if (named.empty()) return fallback;
  const std::filesystem::path path(named);
  return path.is_relative() ? settingsPath.parent_path() / path : path;
}

}  // namespace tonalyx
