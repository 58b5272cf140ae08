#pragma once

#include <string>
#include <string_view>

namespace tonalyx {

// Text to be written as XML character data or an attribute value.
struct XmlEscaped {
  std::string_view text;
};

// Text to be written as XmlEscaped in a file of a narrower encoding than
// UTF-8: every character beyond ASCII becomes a character reference
// ("&#x30D4;"), which an XML reader takes whatever the file's encoding.
struct XmlAscii {
  std::string_view text;
};

// Builds a definition file line by line with the line end its format wants.
class DefinitionText {
 public:
  explicit DefinitionText(std::string_view line_end) : line_end_(line_end) {}

  // Appends the pieces, then a line end. A piece is text, a number, or
  // XmlEscaped (or XmlAscii) text, which has &, <, >, " and ' written as
  // references.
  template <typename... Pieces>
  void Line(const Pieces&... pieces) {
    (Append(pieces), ...);
    text_ += line_end_;
  }

  std::string Take() { return std::move(text_); }

 private:
  void Append(std::string_view piece) { text_ += piece; }
  void Append(const char* piece) { text_ += piece; }
  void Append(int number) { text_ += std::to_string(number); }
  void Append(XmlEscaped piece);
  void Append(XmlAscii piece);

  std::string_view line_end_;
  std::string text_;
};

}  // namespace tonalyx
