#pragma once

#include <string>
#include <string_view>

namespace tonalyx {

// How names and search words are compared: letters without regard to case, and
// blanks, dots and hyphens not at all, so that "epiano" finds "E.Piano 1" and
// "slowstr" finds "Slow Strings". The build-time generator keys every name this
// way; the search keys the typed words the same way.

// Blanks, dots and hyphens are left out of a key.
constexpr bool LeftOutOfSearchKey(char c) { return c == ' ' || c == '.' || c == '-'; }

// Upper-case ASCII letters become lower case; every other byte stays as it is.
constexpr char SearchKeyChar(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Appends the key of text to key.
inline void AppendSearchKey(std::string_view text, std::string& key) {
  for (const char c : text)
    if (!LeftOutOfSearchKey(c)) key += SearchKeyChar(c);
}

inline std::string SearchKey(std::string_view text) {
  std::string key;
  AppendSearchKey(text, key);
  return key;
}

}  // namespace tonalyx
