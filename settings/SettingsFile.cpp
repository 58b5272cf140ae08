#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdint>

#include "settings/StoredFile.h"

namespace tonalyx {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// A key or section name must stay on its one line.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

// Values are written so that they read back exactly as written. A value
// that would not survive a load unchanged (a blank at either end, which the
// load trims, or a line break, which ends the line) is written in double
// quotes, with backslash, line feed and carriage return as \\, \n and \r;
// so is a value that itself begins and ends with a double quote. Reading
// undoes exactly that form and nothing else: quotes are taken off only where
// the writer would have put them, so every value an existing file holds,
// hand-edited ones included, reads as it always did, unless it is exactly
// such a quoted form of a value that needs it.
bool LooksQuoted(std::string_view value) {
  return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

bool NeedsQuotes(std::string_view value) {
  return (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) ||
         value.find_first_of("\n\r") != std::string_view::npos || LooksQuoted(value);
}

std::string EncodeValue(std::string_view value) {
  if (!NeedsQuotes(value)) return std::string(value);
  std::string out = "\"";
  for (const char c : value) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out += '"';
}

std::string DecodeValue(std::string_view raw) {
  if (!LooksQuoted(raw)) return std::string(raw);
  const std::string_view inner = raw.substr(1, raw.size() - 2);
  std::string value;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    const char c = inner[i];
    if (c == '\r' || c == '\n') return std::string(raw);
    if (c != '\\') {
      value += c;
      continue;
    }
    if (++i == inner.size()) return std::string(raw);
    switch (inner[i]) {
      case '\\':
        value += '\\';
        break;
      case 'n':
        value += '\n';
        break;
      case 'r':
        value += '\r';
        break;
      default:
        return std::string(raw);
    }
  }
  return NeedsQuotes(value) ? value : std::string(raw);
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

std::optional<int> ParseSettingsInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;  // magnitude of INT32_MIN
  std::int64_t value = 0;
  for (char c : text) {
    const int digit = DigitValue(c);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > kLimit) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > kLimit - 1) return std::nullopt;
  return static_cast<int>(value);
}

SettingsFile SettingsFile::Open(const std::filesystem::path& path) {
  StoredText contents = ReadStoredText(path, kMaxLoadBytes);
  SettingsFile file = FromText(contents.text, path);
  file.source_ = contents.source;
  return file;
}

SettingsFile SettingsFile::FromText(std::string_view text, const std::filesystem::path& path) {
  SettingsFile file;
  file.path_ = path;
  file.Load(text);
  file.foreign_ = file.sections_.empty() && !std::all_of(text.begin(), text.end(), IsBlank);
  return file;
}

bool SettingsFile::MayReplace() const {
  switch (source_) {
    case Source::kMissing:
      return true;
    case Source::kWhole:
      // A file in which no section was found is not a settings file (a
      // wrong link, a damaged or foreign file): it is left as it is.
      return !foreign_;
    case Source::kCut:
    case Source::kUnread:
      break;
  }
  // What was not read cannot be written back.
  return false;
}

void SettingsFile::Load(std::string_view text) {
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // The line end of a CRLF file; a run of them ends the line all the same,
    // so that a kept line reads back the same after every store.
    while (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
      current = &sections_.back();
      continue;
    }
    if (current == nullptr) continue;  // before the first section
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      current->lines.push_back({std::string(raw), std::string::npos});
      continue;
    }
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    std::string normalized;
    normalized.reserve(key.size() + 1 + value.size());
    normalized.append(key).append("=").append(value);
    current->lines.push_back({std::move(normalized), key.size()});
  }
}

std::optional<SettingsFile::Location> SettingsFile::Find(std::string_view section,
                                                         std::string_view key) const {
  for (std::size_t s = 0; s < sections_.size(); ++s) {
    if (!SameName(sections_[s].name, section)) continue;
    const std::vector<Line>& lines = sections_[s].lines;
    for (std::size_t l = 0; l < lines.size(); ++l) {
      if (lines[l].key_length != key.size()) continue;
      if (SameName(std::string_view(lines[l].text).substr(0, key.size()), key))
        return Location{s, l};
    }
  }
  return std::nullopt;
}

int SettingsFile::ReadInteger(std::string_view section, std::string_view key,
                              int default_value) const {
  const std::optional<Location> at = Find(section, key);
  if (!at) return default_value;
  const Line& line = sections_[at->section].lines[at->line];
  return ParseSettingsInteger(std::string_view(line.text).substr(line.key_length + 1))
      .value_or(default_value);
}

std::string SettingsFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view default_value) const {
  const std::optional<Location> at = Find(section, key);
  if (!at) return std::string(default_value);
  const Line& line = sections_[at->section].lines[at->line];
  return DecodeValue(std::string_view(line.text).substr(line.key_length + 1));
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  const std::string clean_key = OneLine(key);
  Line line{clean_key + "=" + EncodeValue(value), clean_key.size()};
  if (const std::optional<Location> at = Find(section, clean_key)) {
    sections_[at->section].lines[at->line] = std::move(line);
    return;
  }
  for (Section& existing : sections_) {
    if (SameName(existing.name, section)) {
      existing.lines.push_back(std::move(line));
      return;
    }
  }
  sections_.push_back({OneLine(section), {}});
  sections_.back().lines.push_back(std::move(line));
}

std::string SettingsFile::Text() const {
  std::string text;
  for (const Section& section : sections_) {
    text.append("[").append(section.name).append("]\n");
    for (const Line& line : section.lines) text.append(line.text).append("\n");
    text.append("\n");
  }
  return text;
}

bool SettingsFile::Store() const {
  if (path_.empty() || !MayReplace()) return false;
  return StoreTextFile(path_, Text());
}

std::filesystem::path SettingsPathForExecutable(const std::filesystem::path& executable) {
  std::filesystem::path path = executable;
  path.replace_extension(".ini");
  return path;
}

}  // namespace tonalyx
