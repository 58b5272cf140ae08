#include "midi/ResetMessages.h"

namespace tonalyx {

std::span<const std::uint8_t> ModuleResetMessage(ModuleKind type) {
  switch (type) {
    case ModuleKind::kGs:
      return GsReset;
    case ModuleKind::kXg:
      return XgSystemOn;
    case ModuleKind::kGm:
      return GmSystemOn;
    case ModuleKind::kGm2:
      break;
  }
  return {};
}

}  // namespace tonalyx
