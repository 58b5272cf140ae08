#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

#include "audition/EditParameters.h"
#include "audition/EffectTypes.h"

namespace tonalyx {

// The edits of one drum instrument, a note of a kit. A relative parameter is
// empty while it is 0 and has not been moved since the module's last reset;
// an absolute one while it has not been set, so the instrument keeps its own
// value.
using DrumNoteEdits = std::array<std::optional<int>, kDrumParameterCount>;

// How the user has shaped the sounds while the program runs (never stored):
// the part parameters of the tone channel, the reverb and chorus types chosen
// for GS and for XG, and the drum instrument edits per kit and note. It also
// knows what the module may still hold since its last reset, so that a
// parameter moved back to 0 is still sent until the next reset.
class SoundEdits {
 public:
  // The value of a part parameter, 0 unless edited.
  int Part(PartParameter parameter) const;
  // Sets a part parameter to `value` brought within `range`; false when it
  // had that value already.
  bool SetPart(PartParameter parameter, int value, ValueRange range);
  // Brings every part parameter within `range` (another module type or map).
  void ClampParts(ValueRange range);
  // Whether a press sends the part parameter: it is not 0, or has been moved
  // since the last reset and the module may still hold another value.
  bool SendsPart(PartParameter parameter) const;
  // Whether any part parameter is not 0: the tone sounds edited.
  bool PartsEdited() const;

  // A choice is 0 for the module's default, else 1 + the type's position in
  // EffectTypes(type, effect). GS and XG keep choices of their own.
  int EffectChoice(ModuleKind type, Effect effect) const;
  // Records a choice out of range as the default, and returns the message to
  // send for it: the chosen type's; for the default, the default type's when
  // another type was sent since the last reset (so the module plays what the
  // window shows), else nothing.
  std::span<const std::uint8_t> ChooseEffect(ModuleKind type, Effect effect, int choice);
  // The message of the chosen type, nothing for the default: what the module
  // is sent again after each reset.
  std::span<const std::uint8_t> ChosenEffectMessage(ModuleKind type, Effect effect) const;

  // A drum parameter of a kit's note: empty while unset (absolute) or 0 and
  // not moved since the last reset (relative).
  std::optional<int> Drum(int kit, int note, DrumParameter parameter) const;
  // Sets a drum parameter to `value` brought within its range; false when it
  // had that value already.
  bool SetDrum(int kit, int note, DrumParameter parameter, int value);
  // The note's edits, or null when it has none.
  const DrumNoteEdits* DrumNote(int kit, int note) const;

  // The module of `type` has been reset and plays every parameter at its
  // default: what is 0 need no longer be sent, and the chosen effect types
  // count as sent, since they go out again after the reset.
  void ModuleReset(ModuleKind type);

 private:
  static int DrumKey(int kit, int note) { return kit * 128 + note; }

  std::array<std::optional<int>, kPartParameterCount> parts_{};
  // [GS, XG][reverb, chorus]
  std::array<std::array<int, 2>, 2> effect_choices_{};
  // Per effect: a type other than the module's default reached the module.
  std::array<bool, 2> effect_sent_since_reset_{};
  std::map<int, DrumNoteEdits> drums_;
};

}  // namespace tonalyx
