#include "support/RecordingBackend.h"

namespace tonalyx {

std::optional<std::string> RecordingBackend::DeviceName(int id) {
  if (id < 0 || id >= DeviceCount()) return std::nullopt;
  return devices_[static_cast<std::size_t>(id)];
}

bool RecordingBackend::Open(int id) {
  bool ok = id >= 0 && id < DeviceCount() && failing_.count(id) == 0;
  if (fail_next_ > 0) {
    --fail_next_;
    ok = false;
  }
  events_.push_back({Event::Kind::kOpen, id, ok, 0, {}});
  return ok;
}

void RecordingBackend::Close() { events_.push_back({Event::Kind::kClose, -1, false, 0, {}}); }

bool RecordingBackend::Reset() {
  if (own_reset_) events_.push_back({Event::Kind::kReset, -1, false, 0, {}});
  return own_reset_;
}

void RecordingBackend::SendShort(std::uint32_t message) {
  events_.push_back({Event::Kind::kShort, -1, false, message, {}});
}

void RecordingBackend::SendSysEx(std::span<const std::uint8_t> bytes) {
  events_.push_back({Event::Kind::kSysEx, -1, false, 0, {bytes.begin(), bytes.end()}});
}

std::vector<std::uint32_t> RecordingBackend::ShortMessages() const {
  std::vector<std::uint32_t> out;
  for (const Event& e : events_)
    if (e.kind == Event::Kind::kShort) out.push_back(e.message);
  return out;
}

std::vector<std::vector<std::uint8_t>> RecordingBackend::SysExMessages() const {
  std::vector<std::vector<std::uint8_t>> out;
  for (const Event& e : events_)
    if (e.kind == Event::Kind::kSysEx) out.push_back(e.bytes);
  return out;
}

}  // namespace tonalyx
