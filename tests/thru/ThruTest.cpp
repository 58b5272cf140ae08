#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "midi/ShortMessage.h"
#include "support/FakeInputBackend.h"
#include "support/RecordingBackend.h"
#include "thru/MidiInputParser.h"
#include "thru/MidiThru.h"
#include "thru/ThruRouter.h"

namespace tonalyx {
namespace {

std::vector<std::uint32_t> Parse(MidiInputParser& parser, const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint32_t> messages;
  for (const std::uint8_t byte : bytes)
    if (const auto message = parser.Take(byte)) messages.push_back(*message);
  return messages;
}

TEST(MidiInputParser, FollowsRunningStatusAcrossPiecesAndRealTimeBytes) {
  MidiInputParser parser;
  EXPECT_EQ(Parse(parser, {0x93, 0x3C}), std::vector<std::uint32_t>{});
  // Clock inside a message, then the rest of it, then running status.
  EXPECT_EQ(Parse(parser, {0xF8, 0x64, 0x3E, 0x00, 0xFE, 0xC1, 0x05, 0x06}),
            (std::vector<std::uint32_t>{ShortMessage(0x93, 0x3C, 0x64), ShortMessage(0x93, 0x3E, 0),
                                        ShortMessage(0xC1, 5), ShortMessage(0xC1, 6)}));
  EXPECT_EQ(Parse(parser, {0xE0, 0x7F, 0x7F}),
            std::vector<std::uint32_t>{ShortMessage(0xE0, 0x7F, 0x7F)});
}

TEST(MidiInputParser, DropsCutMessagesSystemExclusiveAndSystemCommonData) {
  MidiInputParser parser;
  // A note cut short by the next status; system exclusive with its data and
  // a status byte as its end; song position with data that look like a note.
  EXPECT_EQ(Parse(parser, {0x90, 0x3C, 0xF0, 0x41, 0x10, 0x90, 0x30, 0x40}),
            std::vector<std::uint32_t>{ShortMessage(0x90, 0x30, 0x40)});
  EXPECT_EQ(Parse(parser, {0xF0, 0x01, 0x02, 0x03, 0xF7, 0x3C, 0x40}),
            std::vector<std::uint32_t>{});
  EXPECT_EQ(Parse(parser, {0xB0, 0x07, 0x64, 0xF2, 0x10, 0x20, 0x07, 0x64}),
            std::vector<std::uint32_t>{ShortMessage(0xB0, 0x07, 0x64)});
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

void WaitUntilDrained(const MidiThru& thru) {
  for (int i = 0; i < 2000 && !thru.Drained(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
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
    input.Play({0x90, 60, 100, 0xC0, 7});
    input.Play({0x91});  // cut short: the next piece starts afresh
    input.Play({0x92, 62, 100});
  });
  keyboard.join();
  WaitUntilDrained(thru);
  EXPECT_EQ(backend.ShortMessages(),
            (std::vector<std::uint32_t>{ShortMessage(0x90, 60, 100), ShortMessage(0x90, 62, 100)}));
  EXPECT_EQ(programs, std::vector<int>{7});

  backend.Clear();
  thru.Pause();
  input.Play({0x90, 64, 100});  // dropped while the output changes
  WaitUntilDrained(thru);
  thru.Resume();
  thru.SetDrumChannel(true);
  input.Play({0x90, 65, 100});
  WaitUntilDrained(thru);
  thru.Close();
  EXPECT_FALSE(input.OpenDevice());
  EXPECT_EQ(backend.ShortMessages(),
            (std::vector<std::uint32_t>{ShortMessage(0x80, 60, 0), ShortMessage(0x80, 62, 0),
                                        ShortMessage(0x99, 65, 100), ShortMessage(0x89, 65, 0)}));
}

}  // namespace
}  // namespace tonalyx
