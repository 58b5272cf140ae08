#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "midi/ShortMessage.h"
#include "support/FakeInputBackend.h"
#include "support/RecordingBackend.h"
#include "support/ThruDrain.h"
#include "thru/MessageRing.h"
#include "thru/MidiInputParser.h"
#include "thru/MidiThru.h"
#include "thru/ThruRouter.h"

namespace tonalyx {
namespace {

// Every delivery on its own: what the parser makes of each.
std::vector<std::uint32_t> Parse(const std::vector<std::vector<std::uint8_t>>& deliveries) {
  std::vector<std::uint32_t> messages;
  for (const auto& delivery : deliveries)
    if (const auto message = ChannelMessageOf(delivery)) messages.push_back(*message);
  return messages;
}

TEST(ChannelMessageOf, TakesEachDeliveryAsOneWholeChannelMessage) {
  EXPECT_EQ(Parse({{0x93, 0x3C, 0x64}, {0xC1, 0x05}, {0xD2, 0x30}, {0xE0, 0x7F, 0x7F}}),
            (std::vector<std::uint32_t>{ShortMessage(0x93, 0x3C, 0x64), ShortMessage(0xC1, 5),
                                        ShortMessage(0xD2, 0x30), ShortMessage(0xE0, 0x7F, 0x7F)}));
  // Cut short, too long, data without a status (running status across
  // deliveries), a status among the data, a stray end of system exclusive,
  // system exclusive, system common and real-time messages: nothing.
  EXPECT_EQ(Parse({{0x90, 0x3C},
                   {0x90, 0x3C, 0x64, 0x3E},
                   {0x3E, 0x50},
                   {0xB0, 0x07, 0x90},
                   {0xF7},
                   {0xF0, 0x41, 0xF7},
                   {0xF2, 0x10, 0x20},
                   {0xF8},
                   {0xFE},
                   {}}),
            std::vector<std::uint32_t>{});
  // A system exclusive message that never ended, then a note cut short, its
  // missing data alone, and the end of system exclusive: no note appears.
  EXPECT_EQ(Parse({{0xF0, 0x55, 0x55}, {0x90, 0x3C}, {0x3C, 0x64}, {0xF7}}),
            std::vector<std::uint32_t>{});
}

class ThruRouterTest : public ::testing::Test {
 protected:
  ThruRouterTest() { port_.OpenPort(0); }
  std::vector<std::uint32_t> Sent() {
    auto sent = backend_.ShortMessages();
    backend_.Clear();
    return sent;
  }

  RecordingBackend backend_;
  MidiPort port_{backend_};
  ThruRouter router_;
};

TEST_F(ThruRouterTest, EndsNotesAndPedalWhereTheyStartedAfterTheChannelChanged) {
  router_.Route(ShortMessage(0x90, 60, 100), 0, port_);
  router_.Route(ShortMessage(0xB0, 64, 127), 0, port_);
  Sent();
  router_.Route(ShortMessage(0x90, 60, 0), 9, port_);
  router_.Route(ShortMessage(0xB0, 64, 0), 9, port_);
  EXPECT_EQ(Sent(),
            (std::vector<std::uint32_t>{ShortMessage(0x90, 60, 0), ShortMessage(0xB0, 64, 0),
                                        ShortMessage(0xB9, 64, 0)}));

  router_.Route(ShortMessage(0x92, 40, 100), 0, port_);
  router_.Route(ShortMessage(0x95, 41, 100), 9, port_);
  router_.Route(ShortMessage(0xB5, 64, 100), 9, port_);
  Sent();
  router_.EndHeld(port_);
  EXPECT_EQ(Sent(),
            (std::vector<std::uint32_t>{ShortMessage(0x80, 40, 0), ShortMessage(0x89, 41, 0),
                                        ShortMessage(0xB9, 64, 0)}));
  router_.EndHeld(port_);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(ThruRouterTest, HandsBackProgramChangesWithTheBankSelectBeforeThem) {
  router_.Route(ShortMessage(0xB4, 0, 8), 0, port_);
  router_.Route(ShortMessage(0xB4, 32, 3), 0, port_);
  const auto first = router_.Route(ShortMessage(0xC4, 24), 0, port_);
  const auto second = router_.Route(ShortMessage(0xC4, 25), 0, port_);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->program, 24);
  EXPECT_EQ(first->bank_msb, 8);
  EXPECT_EQ(first->bank_lsb, 3);
  EXPECT_EQ(second->program, 25);
  EXPECT_FALSE(second->bank_msb || second->bank_lsb);
  // The bank select goes through as a controller; the program change does not.
  EXPECT_EQ(Sent(),
            (std::vector<std::uint32_t>{ShortMessage(0xB0, 0, 8), ShortMessage(0xB0, 32, 3)}));
}

TEST(MidiThru, PlaysFromAnotherThreadAndEndsHeldNotesOnPauseAndClose) {
  RecordingBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  FakeInputBackend input({"Keys A", "Keys B"});
  MidiThru thru(port);
  std::vector<int> programs;
  thru.SetProgramListener(
      [&programs](const ProgramRequest& request) { programs.push_back(request.program); });
  ASSERT_TRUE(thru.Open(input, 1));
  EXPECT_EQ(input.OpenDevice(), 1);

  std::thread keyboard([&input] {
    input.Play({0x90, 60, 100});
    input.Play({0xC0, 7});
    input.Play({0x91});  // cut short
    input.Play({62, 100});
    input.Play({0x92, 62, 100});
  });
  keyboard.join();
  ASSERT_TRUE(WaitUntilDrained(thru));
  EXPECT_EQ(backend.ShortMessages(),
            (std::vector<std::uint32_t>{ShortMessage(0x90, 60, 100), ShortMessage(0x90, 62, 100)}));
  EXPECT_EQ(programs, std::vector<int>{7});

  backend.Clear();
  thru.Pause();
  input.Play({0x90, 64, 100});  // dropped while the output changes
  ASSERT_TRUE(WaitUntilDrained(thru));
  thru.Resume();
  thru.SetDrumChannel(true);
  input.Play({0x90, 65, 100});
  ASSERT_TRUE(WaitUntilDrained(thru));
  thru.Close();
  EXPECT_FALSE(input.OpenDevice());
  EXPECT_EQ(backend.ShortMessages(),
            (std::vector<std::uint32_t>{ShortMessage(0x80, 60, 0), ShortMessage(0x80, 62, 0),
                                        ShortMessage(0x99, 65, 100), ShortMessage(0x89, 65, 0)}));
}

// An output that holds up the thru thread at its first message until let go,
// and notes the first note-off it sees.
class HeldUpBackend : public RecordingBackend {
 public:
  void SendShort(std::uint32_t message) override {
    std::unique_lock lock(mutex_);
    if (!first_seen_.exchange(true)) {
      waiting_.notify_all();
      released_.wait(lock, [this] { return is_released_; });
    }
    if ((StatusByte(message) & 0xF0) == kNoteOff) note_off_.store(message);
  }
  void WaitForFirst() {
    std::unique_lock lock(mutex_);
    waiting_.wait(lock, [this] { return first_seen_.load(); });
  }
  void Release() {
    const std::lock_guard lock(mutex_);
    is_released_ = true;
    released_.notify_all();
  }
  std::uint32_t NoteOff() const { return note_off_.load(); }

 private:
  std::mutex mutex_;
  std::condition_variable waiting_;
  std::condition_variable released_;
  bool is_released_ = false;
  std::atomic<bool> first_seen_{false};
  std::atomic<std::uint32_t> note_off_{0};
};

TEST(MidiThru, AnOverflowEndsTheHeldNotesWhileTheFloodGoesOn) {
  HeldUpBackend backend;
  MidiPort port(backend);
  port.OpenPort(0);
  FakeInputBackend input;
  MidiThru thru(port);
  ASSERT_TRUE(thru.Open(input, 0));
  input.Play({0x90, 60, 100});
  backend.WaitForFirst();
  // The ring fills up behind the held-up thru thread and overflows; the
  // keyboard goes on sending controllers all the while.
  for (std::size_t i = 0; i <= MessageRing::kCapacity; ++i) input.Play({0xB0, 7, 100});
  std::atomic<bool> flooding{true};
  std::thread keyboard([&] {
    while (flooding.load()) input.Play({0xB0, 7, 100});
  });
  backend.Release();
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (backend.NoteOff() == 0 && std::chrono::steady_clock::now() < until)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  flooding.store(false);
  keyboard.join();
  EXPECT_EQ(backend.NoteOff(), ShortMessage(0x80, 60, 0))
      << "the note held when the ring overflowed was not ended within 5 s of the flood";
}

}  // namespace
}  // namespace tonalyx
