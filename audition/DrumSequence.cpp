#include "audition/DrumSequence.h"

#include <array>
#include <cstdint>

#include "audition/EditMessages.h"
#include "midi/ShortMessage.h"
#include "midi/TonePreload.h"

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

std::array<std::uint32_t, 8> DrumNoteMessages(const SharedState& state,
                                              const ControllerValues& values) {
  return {
      ShortMessage(kControlRhythm, kModulation, values.modulation),
      // The bank select pair goes to channel 1, not to the rhythm channel.
      ShortMessage(kControlChannel1, kBankSelectMsb, 0),
      ShortMessage(kControlChannel1, kBankSelectLsb, state.MapIndex),
      ShortMessage(kProgramRhythm, state.DrumKit),
      ShortMessage(kControlRhythm, kReverbSend, values.reverb),
      // Delay before chorus.
      ShortMessage(kControlRhythm, kDelaySend, values.delay),
      ShortMessage(kControlRhythm, kChorusSend, values.chorus),
      ShortMessage(kNoteOnRhythm, state.DrumNote, values.velocity),
  };
}

void PlayDrumNote(const SharedState& state, const ControllerValues& values, MidiPort& port,
                  const SoundEdits& edits) {
  const MessageList edited =
      DrumEditMessages(edits, state.ModuleType, state.DrumKit, state.DrumNote, kRhythmChannel);
  SendBeforeNoteOn(port, DrumNoteMessages(state, values), edited.Messages());
}

void PreloadDrumNote(const SharedState& state, const ControllerValues& values, MidiPort& port) {
  PreloadPress(port, DrumNoteMessages(state, values));
}

void ReleaseDrumNote(int note, MidiPort& port) {
  port.SendShort(ShortMessage(kNoteOnRhythm, note, 0));
}

}  // namespace tonalyx
