#include "settings/SettingsFile.h"

#include <cstdint>
#include <fstream>
#include <system_error>

#include "settings/AtomicFile.h"

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

// A key, value or section name must stay on its one line.
std::string OneLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\n' || c == '\r') c = ' ';
  return out;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

std::string ReadCapped(const std::filesystem::path& path) {
  std::error_code error;
  // Only regular files: a folder, a pipe or a device would fail or never end.
  if (!std::filesystem::is_regular_file(path, error)) return {};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const bool too_large = size > SettingsFile::kMaxLoadBytes;
  std::string text(too_large ? SettingsFile::kMaxLoadBytes : static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (too_large) {
    // Cut off: keep complete lines only.
    const std::size_t last_break = text.rfind('\n');
    text.resize(last_break == std::string::npos ? 0 : last_break + 1);
  }
  return text;
}

// Makes a missing folder and its missing parents, each for the user alone,
// as a configuration folder should be. False when one cannot be made.
bool MakeFolders(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
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
  return FromText(ReadCapped(path), path);
}

SettingsFile SettingsFile::FromText(std::string_view text, const std::filesystem::path& path) {
  SettingsFile file;
  file.path_ = path;
  file.Load(text);
  return file;
}

void SettingsFile::Load(std::string_view text) {
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

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
  return line.text.substr(line.key_length + 1);
}

void SettingsFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  const std::string clean_key = OneLine(key);
  Line line{clean_key + "=" + OneLine(value), clean_key.size()};
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
  namespace fs = std::filesystem;
  if (path_.empty()) return false;
  std::error_code error;
  fs::path target = path_;
  // Replace the file a symbolic link points to, not the link.
  if (fs::is_symlink(target, error)) {
    target = fs::weakly_canonical(target, error);
    if (error) return false;
  }
  // The first store into the user's configuration folder makes its folder.
  fs::path folder = target.parent_path();
  if (!folder.empty() && !fs::exists(target, error) && !MakeFolders(folder)) return false;
  return ReplaceFileAtomically(target, Text());
}

std::filesystem::path SettingsPathForExecutable(const std::filesystem::path& executable) {
  std::filesystem::path path = executable;
  path.replace_extension(".ini");
  return path;
}

}  // namespace tonalyx
