#include "favouritesfile/FavouritesFile.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "settings/StoredFile.h"

namespace tonalyx {
namespace {

constexpr std::string_view kHeader = "tonalyx-favourites";
constexpr std::string_view kTone = "tone";
constexpr std::string_view kDrum = "drum";
constexpr std::array<std::string_view, 4> kModuleNames = {"GS", "XG", "GM", "GM2"};
constexpr std::size_t kFields = 6;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

// A number written plainly in decimal, within 0..max.
std::optional<int> Number(std::string_view text, int max) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 ||
      value > max)
    return std::nullopt;
  return value;
}

std::optional<ModuleKind> ModuleNamed(std::string_view name) {
  for (std::size_t i = 0; i < kModuleNames.size(); ++i)
    if (kModuleNames[i] == name) return static_cast<ModuleKind>(i);
  return std::nullopt;
}

// The maps a module type chooses from, as the map windows offer them.
int LastMap(ModuleKind type, bool drums) {
  if (type == ModuleKind::kXg) return drums ? 0 : 5;
  return 4;
}

// The bytes of a UTF-8 character from its first byte; 0 for a byte that
// starts none.
int Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// UTF-8 without control characters: a name that shows as it is.
bool IsShowableUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto length = static_cast<std::size_t>(Utf8Length(lead));
    if (length == 0 || i + length > text.size() || lead < 0x20 || lead == 0x7F) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::optional<Favourite> ParseEntry(std::string_view line) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() != kFields || (fields[0] != kTone && fields[0] != kDrum)) return std::nullopt;
  Favourite favourite;
  SoundChoice& sound = favourite.sound;
  sound.drums = fields[0] == kDrum;
  const std::optional<ModuleKind> type = ModuleNamed(fields[1]);
  if (!type) return std::nullopt;
  sound.module_type = *type;
  const std::optional<int> map = Number(fields[2], LastMap(*type, sound.drums));
  const std::optional<int> first = Number(fields[3], 127);
  const std::optional<int> second = Number(fields[4], 127);
  if (!map || !first || !second || fields[5].empty() || !IsShowableUtf8(fields[5]))
    return std::nullopt;
  sound.map = *map;
  (sound.drums ? sound.kit : sound.bank) = *first;
  (sound.drums ? sound.note : sound.program) = *second;
  favourite.name = fields[5];
  return favourite;
}

std::string EntryLine(const Favourite& favourite) {
  const SoundChoice& sound = favourite.sound;
  std::string line(sound.drums ? kDrum : kTone);
  line.append("\t").append(kModuleNames[static_cast<std::size_t>(sound.module_type)]);
  for (const int number :
       {sound.map, sound.drums ? sound.kit : sound.bank, sound.drums ? sound.note : sound.program})
    line.append("\t").append(std::to_string(number));
  return line.append("\t").append(favourite.name);
}

// The name as the file can hold it: on one line, without tabs, within the
// length limit, cut at the end of a character.
std::string CleanName(std::string_view name) {
  std::string clean;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    clean += byte < 0x20 || byte == 0x7F ? ' ' : c;
  }
  if (clean.size() > FavouritesFile::kMaxNameBytes) {
    std::size_t end = FavouritesFile::kMaxNameBytes;
    while (end > 0 && (static_cast<unsigned char>(clean[end]) & 0xC0) == 0x80) --end;
    clean.resize(end);
  }
  const std::size_t first = clean.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return clean.substr(first, clean.find_last_not_of(' ') - first + 1);
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The header's version, when the line is a favourites header; a byte order
// mark that an editor may have put before it is passed over.
std::optional<int> HeaderVersion(std::string_view line) {
  if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() != 2 || fields[0] != kHeader) return std::nullopt;
  return Number(fields[1], 1 << 30);
}

}  // namespace

FavouritesFile::FavouritesFile(std::filesystem::path path) : path_(std::move(path)) {
  const StoredText stored = ReadStoredText(path_, kMaxLoadBytes);
  Load(stored.text);
  // What was not read whole cannot be written back.
  if (stored.source == StoredSource::kCut) load_problem_ = FavouritesProblem::kTooLarge;
  if (stored.source == StoredSource::kUnread) load_problem_ = FavouritesProblem::kUnreadable;
}

std::filesystem::path FavouritesFile::BesideSettings(const std::filesystem::path& settings_path) {
  return settings_path.parent_path() / "tonalyx-favourites.tsv";
}

void FavouritesFile::Load(std::string_view text) {
  if (IsBlank(text)) return;
  bool header = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (header) {
      header = false;
      const std::optional<int> version = HeaderVersion(line);
      // A later format may hold what this version can neither read nor keep.
      if (!version || *version > kVersion) {
        load_problem_ = version ? FavouritesProblem::kLaterVersion : FavouritesProblem::kNotOurs;
        return;
      }
      continue;
    }
    std::optional<Favourite> entry = ParseEntry(line);
    const bool read = entry.has_value();
    lines_.push_back({std::move(entry), read ? std::string() : std::string(line)});
  }
  IndexEntries();
}

void FavouritesFile::IndexEntries() {
  entries_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].entry) entries_.push_back(i);
}

const Favourite& FavouritesFile::At(int index) const {
  return *lines_[entries_[static_cast<std::size_t>(index)]].entry;
}

std::vector<Favourite> FavouritesFile::Entries() const {
  std::vector<Favourite> entries;
  for (const std::size_t line : entries_) entries.push_back(*lines_[line].entry);
  return entries;
}

std::string FavouritesFile::Text() const {
  std::string text = std::string(kHeader) + "\t" + std::to_string(kVersion) + "\n";
  for (const Line& line : lines_)
    text.append(line.entry ? EntryLine(*line.entry) : line.kept) += '\n';
  return text;
}

FavouritesProblem FavouritesFile::Replace(std::vector<Line> lines) {
  if (load_problem_ != FavouritesProblem::kNone) return load_problem_;
  std::swap(lines_, lines);
  if (!StoreTextFile(path_, Text())) {
    std::swap(lines_, lines);
    return FavouritesProblem::kWriteFailed;
  }
  IndexEntries();
  return FavouritesProblem::kNone;
}

FavouritesProblem FavouritesFile::Add(Favourite favourite) {
  favourite.name = CleanName(favourite.name);
  if (favourite.name.empty()) return FavouritesProblem::kNone;
  std::vector<Line> lines = lines_;
  lines.push_back({std::move(favourite), {}});
  return Replace(std::move(lines));
}

FavouritesProblem FavouritesFile::Remove(int index) {
  if (index < 0 || index >= Count()) return FavouritesProblem::kNone;
  std::vector<Line> lines = lines_;
  lines.erase(lines.begin() +
              static_cast<std::ptrdiff_t>(entries_[static_cast<std::size_t>(index)]));
  return Replace(std::move(lines));
}

FavouritesProblem FavouritesFile::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
    return FavouritesProblem::kNone;
  // The entries change places among themselves; kept lines stay where they are.
  std::vector<Favourite> order = Entries();
  const auto moved = order.begin() + from;
  if (from < to)
    std::rotate(moved, moved + 1, order.begin() + to + 1);
  else
    std::rotate(order.begin() + to, moved, moved + 1);
  std::vector<Line> lines = lines_;
  for (std::size_t i = 0; i < entries_.size(); ++i) lines[entries_[i]].entry = std::move(order[i]);
  return Replace(std::move(lines));
}

FavouritesProblem FavouritesFile::Rename(int index, std::string_view name) {
  const std::string clean = CleanName(name);
  if (index < 0 || index >= Count() || clean.empty()) return FavouritesProblem::kNone;
  std::vector<Line> lines = lines_;
  lines[entries_[static_cast<std::size_t>(index)]].entry->name = clean;
  return Replace(std::move(lines));
}

}  // namespace tonalyx
