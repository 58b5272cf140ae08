#include "midi/ResetMessages.h"

namespace tonalyx {

std::span<const std::uint8_t> ModuleResetMessage(int moduleType) {
  switch (moduleType) {
    case 0:
      return GsReset;
    case 1:
      return XgSystemOn;
    case 2:
      return GmSystemOn;
    default:
      return {};
  }
}

}  // namespace tonalyx
