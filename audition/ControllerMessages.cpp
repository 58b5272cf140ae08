#include "audition/ControllerMessages.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {
// Channels as the status byte counts them: 0 is channel 1.
constexpr int kControlChannel1 = kControlChange | 0;
constexpr int kControlChannel10 = kControlChange | 9;
constexpr int kPitchBendChannel1 = kPitchBend | 0;
}  // namespace

ControllerChange::ControllerChange(ControllerBar bar, int position) {
  // Controllers that go to both channels, rhythm channel first.
  auto both = [this](int controller, int value) {
    Add(ShortMessage(kControlChannel10, controller, value));
    Add(ShortMessage(kControlChannel1, controller, value));
  };
  switch (bar) {
    case ControllerBar::kVelocity:
      break;
    case ControllerBar::kModulation:
      both(0x01, position);
      break;
    case ControllerBar::kReverb:
      both(0x5B, position);
      break;
    case ControllerBar::kChorus:
      both(0x5D, position);
      break;
    case ControllerBar::kDelay:
      both(0x5E, position);
      break;
    case ControllerBar::kPan:
      both(0x0A, position + 64);
      break;
    case ControllerBar::kPitchBend:
      Add(PitchBendMessage(kPitchBendChannel1, position));
      break;
    case ControllerBar::kBendSensitivity:
      // Registered parameter 0 (pitch bend sensitivity), semitones and 0
      // cents, then the null parameter so later data entries change nothing.
      Add(ShortMessage(kControlChannel1, 0x65, 0x00));
      Add(ShortMessage(kControlChannel1, 0x64, 0x00));
      Add(ShortMessage(kControlChannel1, 0x06, position));
      Add(ShortMessage(kControlChannel1, 0x26, 0x00));
      Add(ShortMessage(kControlChannel1, 0x65, 0x7F));
      Add(ShortMessage(kControlChannel1, 0x64, 0x7F));
      break;
  }
}

void SendControllerChange(MidiPort& port, ControllerBar bar, int position) {
  // Named: the messages live in the object, which must outlive the loop.
  const ControllerChange change(bar, position);
  for (const std::uint32_t message : change.Messages()) port.SendShort(message);
}

}  // namespace tonalyx
