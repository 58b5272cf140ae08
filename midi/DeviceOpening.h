#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiBackend.h"
#include "midi/MidiPort.h"

namespace tonalyx {

// The MIDI output devices as the main window lists them: the names in list
// order, and the device identifier shown at each list position (DeviceTable).
// Devices whose name cannot be read are left out, so positions and
// identifiers differ after such a device.
struct DeviceList {
  std::vector<std::string> names;
  std::vector<int> DeviceTable;

  int Size() const { return static_cast<int>(names.size()); }
  // The list position showing a device identifier, or -1.
  int PositionOf(int device) const;
  bool Shows(std::string_view name) const;
};

// Devices 0..count-1 by the names `name` gives, leaving out those without one.
DeviceList ListDevices(int count, const std::function<std::optional<std::string>(int id)>& name);
DeviceList ListOutputDevices(MidiBackend& backend);
// The same through the port, under its lock.
DeviceList ListOutputDevices(MidiPort& port);

// The list position to select at start-up: the saved position when it exists
// and still shows the saved name (compared byte for byte), else position 0;
// -1 for an empty list.
int StartPosition(const DeviceList& devices, int saved_position, std::string_view saved_name);

// Waits of the main window's device handling, in milliseconds.
inline constexpr int kStartFallbackWaitMs = 100;
inline constexpr int kReopenWaitMs = 500;
inline constexpr int kDeviceChangeSettleWaitMs = 200;
// Opens tried on a device change before giving up.
inline constexpr int kDeviceChangeAttempts = 8;

struct StartOpenResult {
  bool opened = false;
  // The list position of the device in use: the device actually opened, or
  // the chosen one when every open failed.
  int position = -1;
};

// Opens the device at a list position. When that fails: waits, closes the
// port and opens the next identifier once, if the list shows it (a device
// the list cannot show is not taken, so the window never names a device
// other than the one in use). No open for an empty list (position -1).
StartOpenResult OpenStartDevice(MidiPort& port, const DeviceList& devices, int position,
                                const std::function<void(int)>& wait);

// Opens a device, and while that fails retries it up to kDeviceChangeAttempts
// opens in all, each retry after closing the port and waiting kReopenWaitMs.
bool OpenWithRetries(MidiPort& port, int device, const std::function<void(int)>& wait);

}  // namespace tonalyx
