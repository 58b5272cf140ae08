#include "midi/RecordingBackend.h"

namespace tonalyx {

std::optional<std::string> RecordingBackend::DeviceName(int id) {
  if (id < 0 || id >= DeviceCount()) return std::nullopt;
  return devices_[static_cast<std::size_t>(id)];
}

bool RecordingBackend::Open(int id) {
  bool ok = id >= 0 && id < DeviceCount() && failing_.count(id) == 0;
  if (failNext_ > 0) {
    --failNext_;
    ok = false;
  }
  events_.push_back({Event::Kind::Open, id, ok, 0, {}});
  return ok;
}

void RecordingBackend::Close() { events_.push_back({Event::Kind::Close, -1, false, 0, {}}); }

bool RecordingBackend::Reset() {
  if (ownReset_) events_.push_back({Event::Kind::Reset, -1, false, 0, {}});
  return ownReset_;
}

void RecordingBackend::SendShort(std::uint32_t message) {
  events_.push_back({Event::Kind::Short, -1, false, message, {}});
}

void RecordingBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  events_.push_back({Event::Kind::SysEx, -1, false, 0, {bytes.begin(), bytes.end()}});
}

std::vector<std::uint32_t> RecordingBackend::ShortMessages() const {
  std::vector<std::uint32_t> out;
  for (const Event& e : events_)
    if (e.kind == Event::Kind::Short) out.push_back(e.message);
  return out;
}

std::vector<std::vector<std::uint8_t>> RecordingBackend::SysExMessages() const {
  std::vector<std::vector<std::uint8_t>> out;
  for (const Event& e : events_)
    if (e.kind == Event::Kind::SysEx) out.push_back(e.bytes);
  return out;
}

}  // namespace tonalyx
