#pragma once

#include <filesystem>

namespace tonalyx {

// Where the program keeps its settings file.
struct SettingsPlaces {
  // The running executable's full path.
  std::filesystem::path executable;
  // The folder the build installs the executable to; empty when unknown.
  std::filesystem::path installBinFolder;
  // The user's configuration folder (~/.config, or $XDG_CONFIG_HOME, on
  // Linux); empty when the platform names none.
  std::filesystem::path userConfigFolder;
};

// The settings file to read and store:
// - the file beside the executable (its path with ".ini"), whenever that file
//   exists and can be read, so a portable copy keeps its settings;
// - otherwise, when the executable runs from its install folder or its folder
//   takes no new file, "tonalyx/tonalyx.ini" in the user's configuration
//   folder (created by the first store);
// - otherwise, the file beside the executable: a build folder or a portable
//   copy keeps its settings with it.
// A folder counts as taking no new file when it has no write permission bit
// at all, even for a process that could override the bits, or when the
// process may not write it.
std::filesystem::path ChooseSettingsPath(const SettingsPlaces& places);

}  // namespace tonalyx
