#include "thru/MidiInputParser.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {
// Data bytes after a status byte: program change and channel pressure carry
// one, the other channel messages two; of the system messages, time code and
// song select one, song position two, the rest none.
int DataLength(int status) {
  if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 1 : 2;
  if (status == 0xF1 || status == 0xF3) return 1;
  return status == 0xF2 ? 2 : 0;
}
}  // namespace

std::optional<std::uint32_t> MidiInputParser::Take(std::uint8_t byte) {
  if (byte >= 0xF8) return std::nullopt;  // real time: leaves everything as it was
  if (byte >= 0x80) {
    // A new status ends whatever came before, finished or not. System
    // exclusive (F0 up to F7) is skipped as a system message with endless
    // data; the other system messages cancel running status.
    status_ = byte;
    channel_ = byte < 0xF0;
    needed_ = byte == 0xF0 ? -1 : DataLength(byte);
    have_ = 0;
    if (byte == 0xF7 || (!channel_ && needed_ == 0)) status_ = 0;
    return std::nullopt;
  }
  if (status_ == 0 || needed_ < 0) return std::nullopt;
  data_[static_cast<std::size_t>(have_++)] = byte;
  if (have_ < needed_) return std::nullopt;
  have_ = 0;
  if (!channel_) {
    status_ = 0;
    return std::nullopt;
  }
  // Running status: the next data bytes start another message of this status.
  return ShortMessage(status_, data_[0], needed_ == 2 ? data_[1] : 0);
}

}  // namespace tonalyx
