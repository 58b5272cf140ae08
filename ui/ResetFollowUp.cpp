#include "ui/ResetFollowUp.h"

namespace tonalyx {

ResetFollowUp::ResetFollowUp(MidiPort& port, SoundEdits& edits) : port_(port), edits_(edits) {
  timer_.setSingleShot(true);
  timer_.setInterval(kSettleMs);
  connect(&timer_, &QTimer::timeout, this, &ResetFollowUp::Send);
}

void ResetFollowUp::ModuleReset(ModuleKind type) {
  type_ = type;
  edits_.ModuleReset(type);
  // A reset in the meantime starts the wait again.
  timer_.start();
}

void ResetFollowUp::SendNowIfWaiting() {
  if (!timer_.isActive()) return;
  timer_.stop();
  Send();
}

void ResetFollowUp::Send() {
  for (const Effect effect : {Effect::kReverb, Effect::kChorus})
    port_.SendSysEx(edits_.ChosenEffectMessage(type_, effect));
}

}  // namespace tonalyx
