#include "audition/SoundEdits.h"

#include <algorithm>

namespace tonalyx {
namespace {
std::size_t Index(auto enumerator) { return static_cast<std::size_t>(enumerator); }

// GS and XG have effect choices; other types none.
std::optional<std::size_t> ChoiceRow(ModuleKind type) {
  if (type == ModuleKind::kGs) return 0;
  if (type == ModuleKind::kXg) return 1;
  return std::nullopt;
}

// A relative value of 0 the module holds since its reset need not be sent.
void ForgetZero(std::optional<int>& value) {
  if (value == 0) value.reset();
}
}  // namespace

int SoundEdits::Part(PartParameter parameter) const { return parts_[Index(parameter)].value_or(0); }

bool SoundEdits::SetPart(PartParameter parameter, int value, ValueRange range) {
  value = range.Clamp(value);
  if (Part(parameter) == value) return false;
  parts_[Index(parameter)] = value;
  return true;
}

void SoundEdits::ClampParts(ValueRange range) {
  for (std::optional<int>& value : parts_) {
    if (value) value = range.Clamp(*value);
  }
}

bool SoundEdits::SendsPart(PartParameter parameter) const {
  return parts_[Index(parameter)].has_value();
}

bool SoundEdits::PartsEdited() const {
  return std::any_of(parts_.begin(), parts_.end(),
                     [](const std::optional<int>& value) { return value.value_or(0) != 0; });
}

int SoundEdits::EffectChoice(ModuleKind type, Effect effect) const {
  const std::optional<std::size_t> row = ChoiceRow(type);
  return row ? effect_choices_[*row][Index(effect)] : 0;
}

std::span<const std::uint8_t> SoundEdits::ChooseEffect(ModuleKind type, Effect effect, int choice) {
  const std::optional<std::size_t> row = ChoiceRow(type);
  if (!row) return {};
  const std::span<const EffectType> types = EffectTypes(type, effect);
  if (choice < 0 || choice > static_cast<int>(types.size())) choice = 0;
  effect_choices_[*row][Index(effect)] = choice;
  bool& sent = effect_sent_since_reset_[Index(effect)];
  if (choice != 0) {
    sent = true;
    return types[static_cast<std::size_t>(choice - 1)].message;
  }
  if (!sent) return {};
  sent = false;
  return types[static_cast<std::size_t>(DefaultEffectType(type, effect))].message;
}

std::span<const std::uint8_t> SoundEdits::ChosenEffectMessage(ModuleKind type,
                                                              Effect effect) const {
  const int choice = EffectChoice(type, effect);
  if (choice == 0) return {};
  return EffectTypes(type, effect)[static_cast<std::size_t>(choice - 1)].message;
}

std::optional<int> SoundEdits::Drum(int kit, int note, DrumParameter parameter) const {
  const DrumNoteEdits* edits = DrumNote(kit, note);
  return edits != nullptr ? (*edits)[Index(parameter)] : std::nullopt;
}

bool SoundEdits::SetDrum(int kit, int note, DrumParameter parameter, int value) {
  value = DrumParameterRange(parameter).Clamp(value);
  const std::optional<int> old = Drum(kit, note, parameter);
  // A relative parameter not yet moved stands at 0.
  if (old.value_or(DrumParameterKindOf(parameter).relative ? 0 : -1) == value) return false;
  drums_[DrumKey(kit, note)][Index(parameter)] = value;
  return true;
}

const DrumNoteEdits* SoundEdits::DrumNote(int kit, int note) const {
  const auto found = drums_.find(DrumKey(kit, note));
  return found != drums_.end() ? &found->second : nullptr;
}

void SoundEdits::ModuleReset(ModuleKind type) {
  for (std::optional<int>& value : parts_) ForgetZero(value);
  for (auto& [key, edits] : drums_) {
    for (int i = 0; i < kDrumParameterCount; ++i) {
      if (DrumParameterKindOf(static_cast<DrumParameter>(i)).relative) ForgetZero(edits[i]);
    }
  }
  for (const Effect effect : {Effect::kReverb, Effect::kChorus})
    effect_sent_since_reset_[Index(effect)] = EffectChoice(type, effect) != 0;
}

}  // namespace tonalyx
