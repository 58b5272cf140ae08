#include <gtest/gtest.h>

#include <memory>

#include "midi/CombinedBackend.h"
#include "midi/MidiPort.h"
#include "midi/ResetMessages.h"
#include "midi/ShortMessage.h"
#include "support/RecordingBackend.h"

namespace tonalyx {
namespace {

using Kind = RecordingBackend::Event::Kind;
using Devices = std::vector<std::optional<std::string>>;

// A system backend whose device count can change between listings, like a
// port plugged in after the list was shown.
struct System : RecordingBackend {
  using RecordingBackend::RecordingBackend;
  int DeviceCount() override { return count; }
  int count = 0;
};

struct Combined {
  explicit Combined(Devices devices) {
    auto system_owned = std::make_unique<System>(devices);
    system_owned->count = static_cast<int>(devices.size());
    auto synth_owned = std::make_unique<RecordingBackend>(Devices{"Synth"});
    system = system_owned.get();
    synth = synth_owned.get();
    backend = std::make_unique<CombinedBackend>(std::move(system_owned), std::move(synth_owned));
  }
  System* system;
  RecordingBackend* synth;
  std::unique_ptr<CombinedBackend> backend;
};

TEST(CombinedBackend, ListsTheSystemDevicesFirstAndTheSynthLast) {
  Combined c({"Port A", std::nullopt});
  ASSERT_EQ(c.backend->DeviceCount(), 3);
  EXPECT_EQ(c.backend->DeviceName(0), "Port A");
  EXPECT_EQ(c.backend->DeviceName(1), std::nullopt);
  EXPECT_EQ(c.backend->DeviceName(2), "Synth");
  EXPECT_EQ(c.backend->DeviceName(3), std::nullopt);

  Combined none({});
  ASSERT_EQ(none.backend->DeviceCount(), 1);
  EXPECT_EQ(none.backend->DeviceName(0), "Synth");
  ASSERT_TRUE(none.backend->Open(0));
  EXPECT_EQ(none.synth->Events().at(0).device, 0);

  // Identifiers keep the meaning of the last listing until the next one.
  c.system->count = 3;
  ASSERT_TRUE(c.backend->Open(2));
  EXPECT_EQ(c.synth->Events().size(), 1u);
  ASSERT_EQ(c.backend->DeviceCount(), 4);
  ASSERT_TRUE(c.backend->Open(2));
  EXPECT_EQ(c.system->Events().at(0).device, 2);
}

TEST(CombinedBackend, SendsGoOnlyToTheBackendHoldingTheOpenDevice) {
  Combined c({"Port A", "Port B"});
  MidiPort port(*c.backend);
  ASSERT_TRUE(port.OpenPort(1));
  port.SendShort(AllSoundOffDrums);
  port.SendModuleReset(ModuleKind::kGs);
  ASSERT_TRUE(port.OpenPort(2));  // closes the system device first
  port.SendShort(ShortMessage(0x90, 60, 100));
  port.SendModuleReset(ModuleKind::kXg);
  port.ClosePort();
  port.SendShort(ShortMessage(0x90, 61, 100));

  const auto& sys = c.system->Events();
  ASSERT_EQ(sys.size(), 4u);
  EXPECT_EQ(sys[0].device, 1);
  EXPECT_EQ(sys[1].message, AllSoundOffDrums);
  EXPECT_EQ(sys[2].bytes, std::vector<std::uint8_t>(GsReset.begin(), GsReset.end()));
  EXPECT_EQ(sys[3].kind, Kind::kClose);
  const auto& syn = c.synth->Events();
  ASSERT_EQ(syn.size(), 4u);
  EXPECT_EQ(syn[0].device, 0);
  EXPECT_EQ(syn[1].message, ShortMessage(0x90, 60, 100));
  EXPECT_EQ(syn[2].bytes, std::vector<std::uint8_t>(XgSystemOn.begin(), XgSystemOn.end()));
  EXPECT_EQ(syn[3].kind, Kind::kClose);

  // After a failed open nothing is open: sends and closes go nowhere.
  c.synth->FailNextOpens(1);
  EXPECT_FALSE(c.backend->Open(2));
  c.backend->SendShort(AllSoundOffDrums);
  c.backend->Close();
  EXPECT_EQ(sys.size(), 4u);
  EXPECT_EQ(syn.size(), 5u);
}

TEST(CombinedBackend, ResetsWithTheOwnResetOfTheBackendHoldingTheOpenDevice) {
  Combined c({"Port A"});
  c.synth->OfferOwnReset();
  EXPECT_FALSE(c.backend->Reset());  // nothing open
  ASSERT_TRUE(c.backend->Open(0));
  EXPECT_FALSE(c.backend->Reset());  // the system backend has none
  ASSERT_TRUE(c.backend->Open(1));
  EXPECT_TRUE(c.backend->Reset());
  EXPECT_EQ(c.synth->Events().back().kind, Kind::kReset);
}

}  // namespace
}  // namespace tonalyx
