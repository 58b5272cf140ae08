#include "audition/DrumSequence.h"

#include "midi/ShortMessage.h"

namespace tonalyx {
namespace {
constexpr int kControlChannel1 = 0xB0;
constexpr int kControlRhythm = 0xB9;
constexpr int kProgramRhythm = 0xC9;
constexpr int kNoteOnRhythm = 0x99;

constexpr int kModulation = 1;
constexpr int kBankSelectMsb = 0;
constexpr int kBankSelectLsb = 32;
constexpr int kReverbSend = 91;
constexpr int kChorusSend = 93;
constexpr int kDelaySend = 94;
}  // namespace

void PlayDrumNote(const SharedState& state, const ControllerValues& values, MidiPort& port) {
  port.SendShort(ShortMessage(kControlRhythm, kModulation, values.modulation));
  // The bank select pair goes to channel 1, not to the rhythm channel.
  port.SendShort(ShortMessage(kControlChannel1, kBankSelectMsb, 0));
  port.SendShort(ShortMessage(kControlChannel1, kBankSelectLsb, state.MapIndex));
  port.SendShort(ShortMessage(kProgramRhythm, state.DrumKit));
  port.SendShort(ShortMessage(kControlRhythm, kReverbSend, values.reverb));
  // Delay before chorus.
  port.SendShort(ShortMessage(kControlRhythm, kDelaySend, values.delay));
  port.SendShort(ShortMessage(kControlRhythm, kChorusSend, values.chorus));
  port.SendShort(ShortMessage(kNoteOnRhythm, state.DrumNote, values.velocity));
}

void ReleaseDrumNote(int note, MidiPort& port) {
  port.SendShort(ShortMessage(kNoteOnRhythm, note, 0));
}

}  // namespace tonalyx
