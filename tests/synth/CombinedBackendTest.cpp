#include <gtest/gtest.h>

#include <memory>

#include "midi/CombinedBackend.h"
#include "midi/MidiPort.h"
#include "midi/RecordingBackend.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;

struct Combined {
  explicit Combined(std::vector<std::optional<std::string>> systemDevices) {
    auto systemOwned = std::make_unique<RecordingBackend>(std::move(systemDevices));
    auto synthOwned =
        std::make_unique<RecordingBackend>(std::vector<std::optional<std::string>>{"Synth"});
    system = systemOwned.get();
    synth = synthOwned.get();
    backend = std::make_unique<CombinedBackend>(std::move(systemOwned), std::move(synthOwned));
  }
  RecordingBackend* system;
  RecordingBackend* synth;
  std::unique_ptr<CombinedBackend> backend;
};

TEST(CombinedBackend, ListsTheSystemDevicesFirstAndTheSynthLast) {
  Combined c({"Port A", std::nullopt, "Port C"});
  ASSERT_EQ(c.backend->DeviceCount(), 4);
  EXPECT_EQ(c.backend->DeviceName(0), "Port A");
  EXPECT_EQ(c.backend->DeviceName(1), std::nullopt);
  EXPECT_EQ(c.backend->DeviceName(2), "Port C");
  EXPECT_EQ(c.backend->DeviceName(3), "Synth");
  EXPECT_EQ(c.backend->DeviceName(4), std::nullopt);
  EXPECT_EQ(c.backend->DeviceName(-1), std::nullopt);

  Combined none({});
  ASSERT_EQ(none.backend->DeviceCount(), 1);
  EXPECT_EQ(none.backend->DeviceName(0), "Synth");
  ASSERT_TRUE(none.backend->Open(0));
  EXPECT_EQ(none.synth->Events().at(0).device, 0);
}

TEST(CombinedBackend, SendsGoOnlyToTheBackendHoldingTheOpenDevice) {
  Combined c({"Port A", "Port B"});
  MidiPort port(*c.backend);
  c.backend->DeviceCount();

  ASSERT_TRUE(port.OpenPort(1));
  port.SendShort(AllSoundOffDrums);
  port.SendModuleReset(0);
  ASSERT_TRUE(port.OpenPort(2));  // switching closes the system device first
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.SendModuleReset(1);
  port.ClosePort();
  port.SendShort(ShortMessage(0x90, 61, 100));

  const auto& sys = c.system->Events();
  ASSERT_EQ(sys.size(), 4u);
  EXPECT_EQ(sys[0].kind, Kind::Open);
  EXPECT_EQ(sys[0].device, 1);
  EXPECT_EQ(sys[1].message, AllSoundOffDrums);
  EXPECT_EQ(sys[2].bytes, std::vector<std::uint8_t>(GsReset.begin(), GsReset.end()));
  EXPECT_EQ(sys[3].kind, Kind::Close);

  const auto& syn = c.synth->Events();
  ASSERT_EQ(syn.size(), 4u);
  EXPECT_EQ(syn[0].kind, Kind::Open);
  EXPECT_EQ(syn[0].device, 0);
  EXPECT_EQ(syn[1].message, ShortMessage(0x90, 60, 100));
  EXPECT_EQ(syn[2].bytes, std::vector<std::uint8_t>(XgSystemOn.begin(), XgSystemOn.end()));
  EXPECT_EQ(syn[3].kind, Kind::Close);
}

TEST(CombinedBackend, AFailedOpenLeavesNothingOpen) {
  Combined c({"Port A"});
  c.backend->DeviceCount();
  ASSERT_TRUE(c.backend->Open(0));
  c.synth->FailNextOpens(1);
  EXPECT_FALSE(c.backend->Open(1));
  c.backend->SendShort(AllSoundOffDrums);
  c.backend->Close();

  // The system device was closed before the attempt; nothing reached either
  // backend after it, and the extra close went nowhere.
  ASSERT_EQ(c.system->Events().size(), 2u);
  EXPECT_EQ(c.system->Events()[1].kind, Kind::Close);
  ASSERT_EQ(c.synth->Events().size(), 1u);
  EXPECT_FALSE(c.synth->Events()[0].succeeded);
}

TEST(CombinedBackend, IdentifiersFollowTheLastListingUntilTheNextOne) {
  // A backend whose device count can change between calls, like a port
  // plugged in after the list was shown.
  struct Growing : RecordingBackend {
    using RecordingBackend::RecordingBackend;
    int DeviceCount() override { return count; }
    int count = 1;
  };
  auto systemOwned = std::make_unique<Growing>(std::vector<std::optional<std::string>>{"A", "B"});
  auto synthOwned = std::make_unique<RecordingBackend>();
  Growing* system = systemOwned.get();
  RecordingBackend* synth = synthOwned.get();
  CombinedBackend backend(std::move(systemOwned), std::move(synthOwned));

  ASSERT_EQ(backend.DeviceCount(), 2);
  system->count = 2;
  ASSERT_TRUE(backend.Open(1));  // still the synth: that is what the list showed
  EXPECT_EQ(synth->Events().size(), 1u);
  EXPECT_TRUE(system->Events().empty());

  ASSERT_EQ(backend.DeviceCount(), 3);
  ASSERT_TRUE(backend.Open(1));
  EXPECT_EQ(system->Events().at(0).device, 1);
}

}  // namespace
}  // namespace tonalyx
