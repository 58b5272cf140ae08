#include "settings/SettingsLocation.h"

#include <fstream>
#include <system_error>

#include "settings/SettingsFile.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace tonalyx {
namespace {
namespace fs = std::filesystem;

bool IsReadableFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

bool TakesNewFiles(const fs::path& folder) {
  std::error_code error;
  const fs::perms perms = fs::status(folder, error).permissions();
  if (error) return false;
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((perms & kAnyWrite) == fs::perms::none) return false;
#if defined(_WIN32)
  // Windows decides by the folder's access rights, which no attribute shows
  // (its read-only attribute means nothing for folders): try a file there.
  const fs::path probe = folder / ".tonalyx-write-probe";
  const bool made = std::ofstream(probe, std::ios::binary | std::ios::app).is_open();
  fs::remove(probe, error);
  return made;
#else
  return ::access(folder.c_str(), W_OK) == 0;
#endif
}

// The same folder, however the paths spell it (links, "..", a trailing "/").
bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  const fs::path left = fs::weakly_canonical(a, error);
  if (error) return false;
  const fs::path right = fs::weakly_canonical(b, error);
  if (error) return false;
  return left.lexically_normal() / "" == right.lexically_normal() / "";
}

}  // namespace

fs::path ChooseSettingsPath(const SettingsPlaces& places) {
  const fs::path beside = SettingsPathForExecutable(places.executable);
  if (IsReadableFile(beside) || places.userConfigFolder.empty()) return beside;

  const fs::path folder = places.executable.parent_path();
  const bool installed =
      !places.installBinFolder.empty() && SameFolder(folder, places.installBinFolder);
  if (installed || !TakesNewFiles(folder)) {
    return places.userConfigFolder / "tonalyx" / "tonalyx.ini";
  }
  return beside;
}

}  // namespace tonalyx
