#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/StoredFile.h"

namespace tonalyx {

// The INI settings file beside the executable. Each action opens its own
// object, which holds the whole file in memory; changes reach the disk only
// through Store.
//
// Format, as loaded:
// - A line that (blanks trimmed) starts with "[" and ends with "]" opens a
//   section; its name is the text between the brackets, trimmed.
// - Empty lines, lines starting with ";" and lines before the first section
//   are dropped. A line with "=" holds a key and a value, both trimmed; a line
//   without "=" is kept as it was read.
// - Section names and keys match in any ASCII letter case; other bytes (UTF-8,
//   Shift-JIS, binary) are compared as they are.
// - When a section name or a key occurs more than once, the first occurrence
//   in file order is the one read and the one a write replaces; the later ones
//   are kept and written back unchanged. A key missing from the first section
//   of a name is looked up in the later sections of the same name.
// - At most kMaxLoadBytes of a file are loaded (cut after the last complete
//   line); the rest is ignored.
//
// A store never destroys what it did not understand: it leaves a file as it
// was when the load was cut short, when the file could not be read, and when
// the file holds something other than blanks but no section at all.
class SettingsFile {
 public:
  // What the load found at the path.
  using Source = StoredSource;

  // The settings file of this program is about a kilobyte; anything beyond
  // this is not read, so a wrong or damaged file can neither exhaust memory
  // nor slow down the start, where every window opens the file on its own.
  static constexpr std::size_t kMaxLoadBytes = 1024 * 1024;

  // Loads the file; a missing or unreadable file gives an empty object.
  static SettingsFile Open(const std::filesystem::path& path);
  // Loads settings from text, as if read from a file at path.
  static SettingsFile FromText(std::string_view text, const std::filesystem::path& path = {});

  // A decimal, "$"-hexadecimal or "0x"-hexadecimal integer with an optional
  // sign; a missing key, other text or a value beyond the signed 32-bit range
  // gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int default_value) const;
  // Everything after the first "=" of the key's line; a value that WriteString
  // had to put in quotes comes back as it was written.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;
  // Replace the key's line in place (spelling the key as given here) or append
  // it to its section; a new section goes to the end. Any value reads back
  // exactly: one with a blank at either end, a line break, or quotes at both
  // ends is written in double quotes with backslash escapes, so a value can
  // never add lines to the file. Line breaks in a key become blanks.
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The file's text as Store writes it: each section as "[name]", its lines,
  // then one empty line.
  std::string Text() const;

  // Rewrites the whole file atomically: the text goes to a temporary file in
  // the same folder, which then replaces the old one; through a symbolic link
  // the file at its end is replaced (or made) and the link kept. Returns
  // false, leaving the previous file byte for byte as it was, when it cannot
  // or must not be written: the load did not take the whole file in (see
  // above), the file is marked read-only (no write permission bit at all, or
  // the read-only attribute on Windows; refused even where the process could
  // lift the mark), the process may not write it, the folder takes no new
  // file, or writing fails (disk full). A missing folder of the path itself
  // is made first (with its missing parents, for the user alone), so the
  // first store into the user's configuration folder works; a link into a
  // missing folder is left as it is.
  bool Store() const;

  const std::filesystem::path& Path() const { return path_; }

 private:
  struct Line {
    std::string text;
    std::size_t key_length = std::string::npos;  // position of the first "=", npos if none
  };
  struct Section {
    std::string name;
    std::vector<Line> lines;
  };
  struct Location {
    std::size_t section;
    std::size_t line;
  };

  std::optional<Location> Find(std::string_view section, std::string_view key) const;
  void Load(std::string_view text);
  bool MayReplace() const;

  std::filesystem::path path_;
  std::vector<Section> sections_;
  // Text given directly counts as a whole file.
  Source source_ = Source::kWhole;
  // The text loaded held more than blanks, yet no section.
  bool foreign_ = false;
};

// The integer a settings value stands for, if it is one (the rules of
// SettingsFile::ReadInteger).
std::optional<int> ParseSettingsInteger(std::string_view text);

// The executable's path with its extension replaced by ".ini".
std::filesystem::path SettingsPathForExecutable(const std::filesystem::path& executable);

}  // namespace tonalyx
