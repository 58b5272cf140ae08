#pragma once

#include <QObject>
#include <QTimer>

#include "audition/SoundEdits.h"
#include "midi/MidiPort.h"

namespace tonalyx {

// A module needs time after a reset before it takes parameters (XG System On
// about 50 ms, a GS Reset as much). The effect types chosen in the tone edit
// window go out again that long after each reset, from a timer, so the window
// thread never waits; a press within that time sends them first.
class ResetFollowUp : public QObject {
 public:
  static constexpr int kSettleMs = 50;

  ResetFollowUp(MidiPort& port, SoundEdits& edits);
  // The reset of `type` has just been sent.
  void ModuleReset(ModuleKind type);
  // Sends at once what waits for the timer, if anything.
  void SendNowIfWaiting();
  bool Waiting() const { return timer_.isActive(); }

 private:
  void Send();

  MidiPort& port_;
  SoundEdits& edits_;
  ModuleKind type_ = ModuleKind::kGs;
  QTimer timer_;
};

}  // namespace tonalyx
