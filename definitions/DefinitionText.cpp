#include "definitions/DefinitionText.h"

#include <cstdio>

namespace tonalyx {
namespace {
// The code point of the UTF-8 character at the start of text and its length
// in bytes; a byte that starts no character stands for U+FFFD on its own.
std::pair<char32_t, std::size_t> NextCharacter(std::string_view text) {
  constexpr std::pair<char32_t, std::size_t> kReplacement{0xFFFD, 1};
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return kReplacement;
  }
  if (text.size() < length) return kReplacement;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    code = (code << 6) | (next & 0x3F);
  }
  return {code, length};
}
}  // namespace

void DefinitionText::Append(XmlEscaped piece) {
  for (const char c : piece.text) {
    switch (c) {
      case '&':
        text_ += "&amp;";
        break;
      case '<':
        text_ += "&lt;";
        break;
      case '>':
        text_ += "&gt;";
        break;
      case '"':
        text_ += "&quot;";
        break;
      case '\'':
        text_ += "&apos;";
        break;
      default:
        text_ += c;
    }
  }
}

void DefinitionText::Append(XmlAscii piece) {
  std::string_view text = piece.text;
  while (!text.empty()) {
    if (static_cast<unsigned char>(text[0]) < 0x80) {
      Append(XmlEscaped{text.substr(0, 1)});
      text.remove_prefix(1);
      continue;
    }
    const auto [code, length] = NextCharacter(text);
    char reference[16];
    std::snprintf(reference, sizeof reference, "&#x%X;", static_cast<unsigned>(code));
    text_ += reference;
    text.remove_prefix(length);
  }
}

}  // namespace tonalyx
