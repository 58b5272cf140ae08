#include "settings/StoredFile.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>

#include "settings/AtomicFile.h"

namespace tonalyx {
namespace {
namespace fs = std::filesystem;

// The file a store replaces: the path itself or, when it is a symbolic link,
// the file at the end of its chain of links, which need not exist yet (a
// dangling link gets its file made, the link stays). Nothing when the chain
// does not end or cannot be read.
std::optional<fs::path> StoreTarget(fs::path path) {
  constexpr int kMaxLinks = 40;
  for (int links = 0; links <= kMaxLinks; ++links) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) return path;
    if (error) return std::nullopt;
    if (status.type() != fs::file_type::symlink) return path;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return std::nullopt;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return std::nullopt;
}

// Makes a missing folder and its missing parents, each for the user alone,
// as a configuration folder should be. False when one cannot be made.
bool MakeFolders(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return true;
  if (fs::exists(folder, error)) return false;
  const fs::path parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !MakeFolders(parent)) return false;
  if (!fs::create_directory(folder, error)) return !error && fs::is_directory(folder, error);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
  return true;
}

}  // namespace

StoredText ReadStoredText(const fs::path& path, std::size_t max_bytes) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return {};
  // Only regular files: a folder, a pipe or a device would fail or never end.
  if (error || status.type() != fs::file_type::regular) return {{}, StoredSource::kUnread};
  const std::uintmax_t size = fs::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in) return {{}, StoredSource::kUnread};
  const bool too_large = size > max_bytes;
  std::string text(too_large ? max_bytes : static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (!too_large) return {std::move(text), StoredSource::kWhole};
  // Cut off: keep complete lines only.
  const std::size_t last_break = text.rfind('\n');
  text.resize(last_break == std::string::npos ? 0 : last_break + 1);
  return {std::move(text), StoredSource::kCut};
}

bool StoreTextFile(const fs::path& path, std::string_view text) {
  if (path.empty()) return false;
  const std::optional<fs::path> target = StoreTarget(path);
  if (!target) return false;
  // The first store into the user's configuration folder makes its folder.
  // A link's file is made only where the link says, never with folders.
  std::error_code error;
  const fs::path folder = target->parent_path();
  if (*target == path && !folder.empty() && !fs::exists(*target, error) && !MakeFolders(folder))
    return false;
  return ReplaceFileAtomically(*target, text);
}

}  // namespace tonalyx
