#pragma once

#include <filesystem>

namespace tonalyx {

// The soundfont the settings file names in section "synth", key "soundfont",
// read afresh on every call; a relative name counts from the settings file's
// folder, not from wherever the program was started. Without such a key (or
// with an empty value) the fallback.
std::filesystem::path SoundfontSetting(const std::filesystem::path& settings_path,
                                       const std::filesystem::path& fallback);

}  // namespace tonalyx
