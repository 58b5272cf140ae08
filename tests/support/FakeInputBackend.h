#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "midi/InputBackend.h"

namespace tonalyx {

// A MIDI input service with a scripted device list; the test plays into the
// open device with Play, on its own thread or any other.
class FakeInputBackend : public MidiInputBackend {
 public:
  explicit FakeInputBackend(std::vector<std::string> devices = {"Fake Keys"})
      : devices_(std::move(devices)) {}

  int DeviceCount() override { return static_cast<int>(devices_.size()); }
  std::optional<std::string> DeviceName(int id) override {
    if (id < 0 || id >= DeviceCount()) return std::nullopt;
    return devices_[static_cast<std::size_t>(id)];
  }
  bool Open(int id, Receiver receiver) override {
    if (id < 0 || id >= DeviceCount()) return false;
    open_ = id;
    receiver_ = std::move(receiver);
    return true;
  }
  void Close() override {
    open_.reset();
    receiver_ = nullptr;
  }

  // The device list changes: devices appear or vanish.
  void SetDevices(std::vector<std::string> devices) { devices_ = std::move(devices); }
  std::optional<int> OpenDevice() const { return open_; }
  // Bytes from the open device; nothing when none is open.
  void Play(std::vector<std::uint8_t> bytes) {
    if (receiver_) receiver_(std::span<const std::uint8_t>(bytes));
  }

 private:
  std::vector<std::string> devices_;
  std::optional<int> open_;
  Receiver receiver_;
};

}  // namespace tonalyx
