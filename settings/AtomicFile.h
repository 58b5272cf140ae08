#pragma once

#include <filesystem>
#include <string_view>

namespace tonalyx {

// Replaces the file at `target` with `text` atomically: the text goes to a new
// temporary file in the same folder, is flushed to the disk, and then takes the
// old file's place in one step, so the file is always either the old one or the
// new one, never a mix. A missing file is created.
//
// Returns false, leaving an existing file byte for byte as it was and no
// temporary file behind, when the file is marked read-only (refused even where
// the process could lift the mark), is not a regular file, may not be written
// by this process, the folder takes no new file, or a write fails (disk full).
//
// Which files may be replaced at all is the caller's decision; this only
// carries out the replacement. One implementation per platform.
bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view text);

}  // namespace tonalyx
