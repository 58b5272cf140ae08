#include "audition/ToneSequence.h"

#include <span>

#include "audition/EditMessages.h"
#include "midi/ShortMessage.h"
#include "midi/TonePreload.h"

namespace tonalyx {
namespace {

void SendAll(MidiPort& port, std::span<const std::uint32_t> messages) {
  for (const std::uint32_t message : messages) port.SendShort(message);
}
}  // namespace

std::array<std::uint32_t, 16> GsToneMessages(const SharedState& state,
                                             const ControllerValues& values) {
  return {
      ShortMessage(kControlChange, 0x01, values.modulation),
      ShortMessage(kControlChange, 0x00, state.CurrentBank),
      ShortMessage(kControlChange, 0x20, state.MapIndex),
      ShortMessage(kProgramChange, state.CurrentProgram, 0),
      ShortMessage(kControlChange, 0x65, 0x00),
      ShortMessage(kControlChange, 0x64, 0x00),
      ShortMessage(kControlChange, 0x06, values.bend_sensitivity),
      ShortMessage(kControlChange, 0x26, 0x00),
      ShortMessage(kControlChange, 0x65, 0x7F),
      ShortMessage(kControlChange, 0x64, 0x7F),
      ShortMessage(kControlChange, 0x5B, values.reverb),
      ShortMessage(kControlChange, 0x5E, values.delay),
      ShortMessage(kControlChange, 0x5D, values.chorus),
      ShortMessage(kControlChange, 0x0A, values.pan + 64),
      PitchBendMessage(kPitchBend, values.pitch_bend),
      ShortMessage(kNoteOn, state.TestNote, values.velocity),
  };
}

std::array<std::uint32_t, 4> XgToneMessages(const SharedState& state,
                                            const ControllerValues& values) {
  return {
      ShortMessage(kControlChange, 0x00, 0x00),
      ShortMessage(kControlChange, 0x20, state.CurrentBank),
      ShortMessage(kProgramChange, state.CurrentProgram, 0),
      ShortMessage(kNoteOn, state.TestNote, values.velocity),
  };
}

std::array<std::uint32_t, 4> GmToneMessages(const SharedState& state,
                                            const ControllerValues& values) {
  return {
      ShortMessage(kControlChange, 0x00, 0x00),
      ShortMessage(kControlChange, 0x20, 0x00),
      ShortMessage(kProgramChange, state.CurrentProgram, 0),
      ShortMessage(kNoteOn, state.TestNote, values.velocity),
  };
}

std::uint32_t ToneReleaseMessage(const SharedState& state) {
  return ShortMessage(kNoteOn, state.TestNote, 0);
}

namespace {
// Hands the start messages of the module type in state to `use`.
template <typename Use>
void WithToneStart(const SharedState& state, const ControllerValues& values, Use use) {
  switch (state.ModuleType) {
    case ModuleKind::kGs:
      use(GsToneMessages(state, values));
      break;
    case ModuleKind::kXg:
      use(XgToneMessages(state, values));
      break;
    case ModuleKind::kGm:
      use(GmToneMessages(state, values));
      break;
    case ModuleKind::kGm2:  // not implemented: a press sends nothing
      break;
  }
}
}  // namespace

std::vector<std::uint32_t> ToneStartMessages(const SharedState& state,
                                             const ControllerValues& values) {
  std::vector<std::uint32_t> start;
  WithToneStart(state, values,
                [&](const auto& messages) { start.assign(messages.begin(), messages.end()); });
  return start;
}

void SendToneStart(MidiPort& port, const SharedState& state, const ControllerValues& values,
                   const SoundEdits& edits) {
  const MessageList edited =
      PartEditMessages(edits, state.ModuleType, state.MapIndex, kToneChannel);
  WithToneStart(state, values,
                [&](const auto& messages) { SendBeforeNoteOn(port, messages, edited.Messages()); });
}

void PreloadTone(MidiPort& port, const SharedState& state, const ControllerValues& values) {
  WithToneStart(state, values, [&](const auto& messages) { PreloadPress(port, messages); });
}

void SendToneRelease(MidiPort& port, const SharedState& state) {
  port.SendShort(ToneReleaseMessage(state));
}

void SendToneSelection(MidiPort& port, const SharedState& state) {
  const std::uint32_t program = ShortMessage(kProgramChange, state.CurrentProgram, 0);
  switch (state.ModuleType) {
    case ModuleKind::kGs:
      SendAll(port, std::array{ShortMessage(kControlChange, 0x00, state.CurrentBank),
                               ShortMessage(kControlChange, 0x20, state.MapIndex), program});
      break;
    case ModuleKind::kXg:
      SendAll(port, std::array{ShortMessage(kControlChange, 0x00, 0x00),
                               ShortMessage(kControlChange, 0x20, state.CurrentBank), program});
      break;
    case ModuleKind::kGm:  // bank 0, as the GM press selects it
      SendAll(port, std::array{ShortMessage(kControlChange, 0x00, 0x00),
                               ShortMessage(kControlChange, 0x20, 0x00), program});
      break;
    case ModuleKind::kGm2:
      break;
  }
}

}  // namespace tonalyx
