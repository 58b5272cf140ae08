#include "midi/MidiPort.h"

#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {

bool MidiPort::OpenPort(int id) {
  const std::lock_guard lock(mutex_);
  if (open_) CloseLocked();
  open_ = backend_.Open(id);
  return open_;
}

void MidiPort::ClosePort() {
  const std::lock_guard lock(mutex_);
  CloseLocked();
}

void MidiPort::CloseLocked() {
  if (!open_) return;
  backend_.Close();
  open_ = false;
}

void MidiPort::ResetPort() {
  const std::lock_guard lock(mutex_);
  if (!open_ || backend_.Reset()) return;
  for (int channel = 0; channel < 16; ++channel) {
    SendShortLocked(ShortMessage(0xB0 + channel, 123, 0));
    SendShortLocked(ShortMessage(0xB0 + channel, 64, 0));
  }
}

void MidiPort::SendShort(std::uint32_t message) {
  const std::lock_guard lock(mutex_);
  SendShortLocked(message);
}

void MidiPort::SendShortLocked(std::uint32_t message) {
  if (open_) backend_.SendShort(message);
}

void MidiPort::SendSysEx(std::span<const std::uint8_t> bytes) {
  const std::lock_guard lock(mutex_);
  if (open_ && !bytes.empty()) backend_.SendSysEx(bytes);
}

void MidiPort::SendModuleReset(ModuleKind type) { SendSysEx(ModuleResetMessage(type)); }

int MidiPort::DeviceCount() {
  const std::lock_guard lock(mutex_);
  return backend_.DeviceCount();
}

std::optional<std::string> MidiPort::DeviceName(int id) {
  const std::lock_guard lock(mutex_);
  return backend_.DeviceName(id);
}

}  // namespace tonalyx
