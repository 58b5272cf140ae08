#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "midi/MidiBackend.h"
#include "midi/TonePreload.h"

namespace tonalyx {

// Two backends shown as one device list: the first backend's devices keep
// their identifiers 0..N-1 and the second's follow from N. Open, Close and
// every send go to whichever backend holds the open device.
class CombinedBackend : public MidiBackend, public TonePreloading {
 public:
  CombinedBackend(std::unique_ptr<MidiBackend> first, std::unique_ptr<MidiBackend> second);
  ~CombinedBackend() override;

  int DeviceCount() override;
  std::optional<std::string> DeviceName(int id) override;
  bool Open(int id) override;
  void Close() override;
  bool Reset() override;
  void SendShort(std::uint32_t message) override;
  void SendSysEx(std::span<const std::uint8_t> bytes) override;
  // Passes the preload on when the open device's backend can get ready.
  void Preload(std::span<const std::uint32_t> press) override;

 private:
  // The first backend's count as of the last listing, so an identifier taken
  // from that listing still names the same device when it is opened.
  int FirstCount();

  std::unique_ptr<MidiBackend> first_;
  std::unique_ptr<MidiBackend> second_;
  std::optional<int> first_count_;
  MidiBackend* open_ = nullptr;
};

}  // namespace tonalyx
