#include "definitions/DefinitionText.h"

namespace tonalyx {

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

}  // namespace tonalyx
