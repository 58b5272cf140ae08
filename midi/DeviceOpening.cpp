#include "midi/DeviceOpening.h"

#include <algorithm>

namespace tonalyx {
namespace {
void Wait(const std::function<void(int)>& wait, int milliseconds) {
  if (wait) wait(milliseconds);
}
}  // namespace

int DeviceList::PositionOf(int device) const {
  const auto it = std::find(DeviceTable.begin(), DeviceTable.end(), device);
  return it == DeviceTable.end() ? -1 : static_cast<int>(it - DeviceTable.begin());
}

bool DeviceList::Shows(std::string_view name) const {
  return std::find(names.begin(), names.end(), name) != names.end();
}

DeviceList ListDevices(int count, const std::function<std::optional<std::string>(int id)>& name) {
  DeviceList devices;
  for (int id = 0; id < count; ++id) {
    std::optional<std::string> shown = name(id);
    if (!shown) continue;
    devices.names.push_back(std::move(*shown));
    devices.DeviceTable.push_back(id);
  }
  return devices;
}

DeviceList ListOutputDevices(MidiBackend& backend) {
  return ListDevices(backend.DeviceCount(), [&backend](int id) { return backend.DeviceName(id); });
}

DeviceList ListOutputDevices(MidiPort& port) {
  return ListDevices(port.DeviceCount(), [&port](int id) { return port.DeviceName(id); });
}

int StartPosition(const DeviceList& devices, int saved_position, std::string_view saved_name) {
  if (devices.Size() == 0) return -1;
  int position = saved_position;
  if (position < 0 || position >= devices.Size()) position = 0;
  if (devices.names[static_cast<std::size_t>(position)] != saved_name) position = 0;
  return position;
}

StartOpenResult OpenStartDevice(MidiPort& port, const DeviceList& devices, int position,
                                const std::function<void(int)>& wait) {
  if (position < 0 || position >= devices.Size()) return {};
  const int device = devices.DeviceTable[static_cast<std::size_t>(position)];
  if (port.OpenPort(device)) return {true, position};

  Wait(wait, kStartFallbackWaitMs);
  port.ClosePort();
  const int next = devices.PositionOf(device + 1);
  if (next >= 0 && port.OpenPort(device + 1)) return {true, next};
  return {false, position};
}

bool OpenWithRetries(MidiPort& port, int device, const std::function<void(int)>& wait) {
  if (port.OpenPort(device)) return true;
  for (int attempt = 2; attempt <= kDeviceChangeAttempts; ++attempt) {
    port.ClosePort();
    Wait(wait, kReopenWaitMs);
    if (port.OpenPort(device)) return true;
  }
  return false;
}

}  // namespace tonalyx
