#include "midi/MidiPort.h"

#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {

bool MidiPort::OpenPort(int id) {
  if (open_) ClosePort();
  open_ = backend_.Open(id);
  return open_;
}

void MidiPort::ClosePort() {
  if (!open_) return;
  backend_.Close();
  open_ = false;
}

void MidiPort::ResetPort() {
  if (!open_ || backend_.Reset()) return;
  for (int channel = 0; channel < 16; ++channel) {
    SendShort(ShortMessage(0xB0 + channel, 123, 0));
    SendShort(ShortMessage(0xB0 + channel, 64, 0));
  }
}

void MidiPort::SendShort(std::uint32_t message) {
  if (open_) backend_.SendShort(message);
}

void MidiPort::SendSysEx(std::span<const std::uint8_t> bytes) {
  if (open_ && !bytes.empty()) backend_.SendSysEx(bytes);
}

void MidiPort::SendModuleReset(int moduleType) { SendSysEx(ModuleResetMessage(moduleType)); }

}  // namespace tonalyx
