#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "midi/DeviceOpening.h"
#include "midi/MidiPort.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;

// The opens asked of the backend, as (device, succeeded) pairs.
std::vector<std::pair<int, bool>> Opens(const RecordingBackend& backend) {
  std::vector<std::pair<int, bool>> opens;
  for (const auto& e : backend.Events())
    if (e.kind == Kind::kOpen) opens.emplace_back(e.device, e.succeeded);
  return opens;
}

struct Waits {
  std::vector<int> recorded;
  std::function<void(int)> Hook() {
    return [this](int ms) { recorded.push_back(ms); };
  }
};

TEST(DeviceList, LeavesOutUnreadableDevicesAndGrowsWithTheDeviceCount) {
  RecordingBackend backend({"A", std::nullopt, "C"});
  const DeviceList list = ListOutputDevices(backend);
  EXPECT_EQ(list.names, (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(list.DeviceTable, (std::vector<int>{0, 2}));
  EXPECT_EQ(list.PositionOf(2), 1);
  EXPECT_EQ(list.PositionOf(1), -1);

  std::vector<std::optional<std::string>> many;
  for (int i = 0; i < 300; ++i) many.emplace_back("Port " + std::to_string(i));
  RecordingBackend big(many);
  const DeviceList big_list = ListOutputDevices(big);
  ASSERT_EQ(big_list.Size(), 300);
  EXPECT_EQ(big_list.names[299], "Port 299");
  EXPECT_EQ(big_list.DeviceTable[299], 299);
}

TEST(DeviceList, StartPositionNeedsTheSavedPositionToShowTheSavedName) {
  RecordingBackend backend({"A", "B", "C"});
  const DeviceList list = ListOutputDevices(backend);
  EXPECT_EQ(StartPosition(list, 2, "C"), 2);
  EXPECT_EQ(StartPosition(list, 2, "B"), 0);   // the list changed since
  EXPECT_EQ(StartPosition(list, 2, "c"), 0);   // case matters
  EXPECT_EQ(StartPosition(list, 3, "C"), 0);   // beyond the list
  EXPECT_EQ(StartPosition(list, -1, "C"), 0);  // selects nothing
  EXPECT_EQ(StartPosition(list, 0, "none"), 0);

  RecordingBackend none(std::vector<std::optional<std::string>>{});
  EXPECT_EQ(StartPosition(ListOutputDevices(none), 0, "none"), -1);
}

TEST(OpenStartDevice, OpensTheChosenDeviceWithoutWaiting) {
  RecordingBackend backend({"A", "B"});
  MidiPort port(backend);
  Waits waits;
  const StartOpenResult result = OpenStartDevice(port, ListOutputDevices(backend), 1, waits.Hook());
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.position, 1);
  EXPECT_EQ(Opens(backend), (std::vector<std::pair<int, bool>>{{1, true}}));
  EXPECT_TRUE(waits.recorded.empty());
}

TEST(OpenStartDevice, FallsBackOnceToTheNextIdentifierAndFollowsIt) {
  RecordingBackend backend({"A", "B", "C"});
  backend.SetFailingDevices({0});
  MidiPort port(backend);
  Waits waits;
  const StartOpenResult result = OpenStartDevice(port, ListOutputDevices(backend), 0, waits.Hook());
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(result.position, 1);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(Opens(backend), (std::vector<std::pair<int, bool>>{{0, false}, {1, true}}));
  EXPECT_EQ(waits.recorded, std::vector<int>{kStartFallbackWaitMs});
}

TEST(OpenStartDevice, KeepsTheChosenDeviceWhenTheFallbackFailsToo) {
  RecordingBackend backend({"A", "B", "C"});
  backend.SetFailingDevices({1, 2});
  MidiPort port(backend);
  Waits waits;
  const StartOpenResult result = OpenStartDevice(port, ListOutputDevices(backend), 1, waits.Hook());
  EXPECT_FALSE(result.opened);
  EXPECT_EQ(result.position, 1);
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(Opens(backend), (std::vector<std::pair<int, bool>>{{1, false}, {2, false}}));
  EXPECT_EQ(waits.recorded, std::vector<int>{kStartFallbackWaitMs});
}

TEST(OpenStartDevice, DoesNotFallBackToADeviceTheListCannotShow) {
  // The last device has no next one; device 1's name cannot be read.
  RecordingBackend backend({"A", std::nullopt, "C"});
  backend.SetFailingDevices({0, 2});
  MidiPort port(backend);
  const DeviceList list = ListOutputDevices(backend);
  Waits waits;
  EXPECT_FALSE(OpenStartDevice(port, list, 0, waits.Hook()).opened);
  EXPECT_FALSE(OpenStartDevice(port, list, 1, waits.Hook()).opened);
  EXPECT_EQ(Opens(backend), (std::vector<std::pair<int, bool>>{{0, false}, {2, false}}));
  EXPECT_EQ(waits.recorded, (std::vector<int>{kStartFallbackWaitMs, kStartFallbackWaitMs}));
}

TEST(OpenStartDevice, OpensNothingForAnEmptyList) {
  RecordingBackend backend(std::vector<std::optional<std::string>>{});
  MidiPort port(backend);
  const StartOpenResult result = OpenStartDevice(port, ListOutputDevices(backend), -1, nullptr);
  EXPECT_FALSE(result.opened);
  EXPECT_TRUE(backend.Events().empty());
}

TEST(OpenWithRetries, TriesEightTimesWithHalfASecondBetween) {
  RecordingBackend backend({"A", "B"});
  backend.SetFailingDevices({1});
  MidiPort port(backend);
  Waits waits;
  EXPECT_FALSE(OpenWithRetries(port, 1, waits.Hook()));
  const std::vector<std::pair<int, bool>> all_failed(kDeviceChangeAttempts, {1, false});
  EXPECT_EQ(Opens(backend), all_failed);
  EXPECT_EQ(waits.recorded, std::vector<int>(kDeviceChangeAttempts - 1, kReopenWaitMs));
  EXPECT_EQ(kDeviceChangeAttempts, 8);
}

TEST(OpenWithRetries, StopsAtTheFirstOpenThatSucceeds) {
  RecordingBackend backend({"A", "B"});
  backend.FailNextOpens(2);
  MidiPort port(backend);
  Waits waits;
  EXPECT_TRUE(OpenWithRetries(port, 0, waits.Hook()));
  EXPECT_EQ(Opens(backend), (std::vector<std::pair<int, bool>>{{0, false}, {0, false}, {0, true}}));
  EXPECT_EQ(waits.recorded, (std::vector<int>{kReopenWaitMs, kReopenWaitMs}));
}

}  // namespace
}  // namespace tonalyx
