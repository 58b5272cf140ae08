#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "midi/MidiBackend.h"

namespace tonalyx {

// A backend that plays no sound: it offers a scripted device list and records
// every call, so tests can read back exactly what the port handed to the API.
class RecordingBackend : public MidiBackend {
 public:
  struct Event {
    enum class Kind { kOpen, kClose, kReset, kShort, kSysEx };
    Kind kind;
    int device = -1;                  // Open: the identifier asked for
    bool succeeded = false;           // Open: its result
    std::uint32_t message = 0;        // Short: the packed message
    std::vector<std::uint8_t> bytes;  // SysEx: the bytes
  };

  // Each entry is one device; an empty optional is a device whose
  // capabilities cannot be read.
  explicit RecordingBackend(
      std::vector<std::optional<std::string>> devices = {"Recording MIDI Out"})
      : devices_(std::move(devices)) {}

  // Opening one of these identifiers fails; FailNextOpens makes the next n
  // opens fail whatever the identifier.
  void SetFailingDevices(std::set<int> ids) { failing_ = std::move(ids); }
  void FailNextOpens(int count) { fail_next_ = count; }
  // The device list changes, as when devices are plugged in or out.
  void SetDevices(std::vector<std::optional<std::string>> devices) {
    devices_ = std::move(devices);
  }
  // Offer a reset of its own, as a service with a platform reset does.
  void OfferOwnReset() { own_reset_ = true; }

  int DeviceCount() override { return static_cast<int>(devices_.size()); }
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  void Close() override;
  bool Reset() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;

  const std::vector<Event>& Events() const { return events_; }
  // Only the short messages, in order.
  std::vector<std::uint32_t> ShortMessages() const;
  // Only the system exclusive messages, in order.
  std::vector<std::vector<std::uint8_t>> SysExMessages() const;
  void Clear() { events_.clear(); }

 private:
  std::vector<std::optional<std::string>> devices_;
  std::set<int> failing_;
  int fail_next_ = 0;
  bool own_reset_ = false;
  std::vector<Event> events_;
};

}  // namespace tonalyx
