#include "drivers/PortName.h"

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
  const std::size_t port_start = DigitRunStart(name, name.size());
  if (port_start == name.size() || port_start == 0 || name[port_start - 1] != ':') {
    return std::string(name);
  }
  const std::size_t colon = port_start - 1;
  const std::size_t client_start = DigitRunStart(name, colon);
  if (client_start == colon || client_start == 0 || name[client_start - 1] != ' ') {
    return std::string(name);
  }
  return std::string(name.substr(0, client_start - 1));
}

}  // namespace tonalyx
