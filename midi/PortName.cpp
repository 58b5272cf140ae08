#include "midi/PortName.h"

namespace tonalyx {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index of the first character of the run of digits that ends just before
// `end`, or `end` itself when there is no digit there.
std::size_t DigitRunStart(std::string_view s, std::size_t end) {
  while (end > 0 && IsDigit(s[end - 1])) --end;
  return end;
}

}  // namespace

std::string StripAlsaAddress(std::string_view name) {
  const std::size_t portStart = DigitRunStart(name, name.size());
  if (portStart == name.size() || portStart == 0 || name[portStart - 1] != ':') {
    return std::string(name);
  }
  const std::size_t colon = portStart - 1;
  const std::size_t clientStart = DigitRunStart(name, colon);
  if (clientStart == colon || clientStart == 0 || name[clientStart - 1] != ' ') {
    return std::string(name);
  }
  return std::string(name.substr(0, clientStart - 1));
}

}  // namespace tonalyx
