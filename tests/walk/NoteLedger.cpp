#include "tests/walk/NoteLedger.h"

#include "midi/ShortMessage.h"

namespace tonalyx {

void NoteLedger::Follow(const RecordingBackend& backend) {
  const auto& events = backend.Events();
  for (; read_ < events.size(); ++read_) {
    const RecordingBackend::Event& event = events[read_];
    if (event.kind == RecordingBackend::Event::Kind::kShort) {
      Take(event.message);
    } else if (event.kind == RecordingBackend::Event::Kind::kClose && AnySounding()) {
      if (!violation_) violation_ = "the port closed while " + Sounding() + " sounded";
      sounding_.clear();  // stuck on the old device; the next one starts silent
    }
  }
}

void NoteLedger::Take(std::uint32_t message) {
  const int status = StatusByte(message);
  const int kind = status & 0xF0;
  const int channel = (status & 0x0F) + 1;
  const int data1 = Data1(message);
  const int data2 = Data2(message);
  if (kind == 0x90 && data2 > 0) {
    ++sounding_[{channel, data1}];
    ++played_;
  } else if (kind == 0x80 || kind == 0x90) {
    const auto found = sounding_.find({channel, data1});
    if (found != sounding_.end() && --found->second == 0) sounding_.erase(found);
  } else if (kind == 0xB0 && (data1 == 120 || data1 == 123)) {
    std::erase_if(sounding_, [channel](const auto& entry) { return entry.first.first == channel; });
  }
}

std::string NoteLedger::Sounding() const {
  std::string text;
  for (const auto& [key, count] : sounding_) {
    if (!text.empty()) text += ", ";
    text += "channel " + std::to_string(key.first) + " note " + std::to_string(key.second);
    if (count > 1) text += " (" + std::to_string(count) + " times)";
  }
  return text;
}

}  // namespace tonalyx
