#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audition/SoundChoice.h"

namespace tonalyx {

// One favourite: a sound and the name the user knows it by (UTF-8).
struct Favourite {
  SoundChoice sound;
  std::string name;
};

// Why the favourites could not be stored.
enum class FavouritesProblem {
  kNone,
  kNotOurs,       // the file is no favourites file (a wrong link, a foreign file)
  kLaterVersion,  // written by a later version of the program
  kTooLarge,      // larger than the program reads
  kUnreadable,    // a folder, a pipe, or a file that cannot be read
  kWriteFailed,   // the folder takes no file, or the disk is full
};

// The user's favourites in the user's order, kept in their own file beside
// the settings file (tonalyx-favourites.tsv). UTF-8 text, one line each:
//
//   tonalyx-favourites<TAB>1                              the format's version
//   tone<TAB>GS<TAB>4<TAB>8<TAB>4<TAB>Detuned EP 1        module type, map, bank, program, name
//   drum<TAB>XG<TAB>0<TAB>0<TAB>36<TAB>Kick              module type, map, kit, note, name
//
// Every change is stored at once, atomically; a change that cannot be stored
// is not made, and the file stays as it was. A line that cannot be read is
// kept where it is and skipped, never dropped. As with the settings file, a
// file that was not read whole, has no favourites header (a link to a system
// file) or comes from a later version is never replaced.
class FavouritesFile {
 public:
  static constexpr std::size_t kMaxLoadBytes = 1024 * 1024;
  static constexpr int kVersion = 1;
  // Longer names are cut (at a character's end) when they are given.
  static constexpr std::size_t kMaxNameBytes = 200;

  // Reads the file at once.
  explicit FavouritesFile(std::filesystem::path path);

  // The file beside a settings file.
  static std::filesystem::path BesideSettings(const std::filesystem::path& settings_path);

  const std::filesystem::path& Path() const { return path_; }
  // Why a change cannot be stored, found when the file was read; kNone when
  // it can be tried.
  FavouritesProblem LoadProblem() const { return load_problem_; }

  int Count() const { return static_cast<int>(entries_.size()); }
  const Favourite& At(int index) const;
  std::vector<Favourite> Entries() const;
  // How many lines could not be read; they stay in the file as they were.
  int KeptLineCount() const { return static_cast<int>(lines_.size() - entries_.size()); }

  // Each change, then stored; on a problem nothing changes.
  FavouritesProblem Add(Favourite favourite);
  FavouritesProblem Remove(int index);
  // Moves an entry so that it stands at `to` among the entries afterwards.
  FavouritesProblem Move(int from, int to);
  // Tabs and line breaks become blanks; an empty name changes nothing.
  FavouritesProblem Rename(int index, std::string_view name);

 private:
  // A line of the file: an entry, or text kept as it was read.
  struct Line {
    std::optional<Favourite> entry;
    std::string kept;
  };
  void Load(std::string_view text);
  // The file's text as it is stored.
  std::string Text() const;
  // Stores `lines` in place of the current ones, and takes them if stored.
  FavouritesProblem Replace(std::vector<Line> lines);
  void IndexEntries();

  std::filesystem::path path_;
  std::vector<Line> lines_;
  std::vector<std::size_t> entries_;  // the lines that are entries, in order
  FavouritesProblem load_problem_ = FavouritesProblem::kNone;
};

}  // namespace tonalyx
