#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tonalyx {

// How the program reads and replaces the small text files it keeps for the
// user (the settings file, the favourites file), so that a wrong, damaged or
// hostile file can neither exhaust memory nor be overwritten by mistake.

// What a read found at the path.
enum class StoredSource {
  kMissing,  // nothing (a dangling link included): a store makes the file
  kWhole,    // a file, read to its end
  kCut,      // a file too large to read whole
  kUnread,   // a folder, a pipe, a device, or a file that cannot be read
};

struct StoredText {
  std::string text;
  StoredSource source = StoredSource::kMissing;
};

// Reads at most `max_bytes` of a regular file; a larger file is cut after its
// last complete line within them. Folders, pipes and devices are not opened.
StoredText ReadStoredText(const std::filesystem::path& path, std::size_t max_bytes);

// Replaces the file atomically with `text`. Through a symbolic link the file
// at the end of its chain is replaced (or made) and the link kept; a link into
// a missing folder is left as it is. A missing folder of the path itself is
// made first (with its missing parents, for the user alone). False, leaving
// the previous file byte for byte as it was, when the file cannot be written
// (see ReplaceFileAtomically).
bool StoreTextFile(const std::filesystem::path& path, std::string_view text);

}  // namespace tonalyx
