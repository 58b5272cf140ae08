#pragma once

#include <QFlags>
#include <QObject>
#include <functional>
#include <string_view>

#include "midi/ModuleKind.h"

namespace tonalyx {

// What the windows tell each other. A window that changes something others
// show announces it here; the windows that show it subscribe in their
// constructors. Every signal is delivered at once, inside the announcing
// call, so an announcement takes the place of a direct call in the sequence
// of a handler (the GS tone press sends, then refreshes; the XG one
// refreshes, then sends).
class Events : public QObject {
  Q_OBJECT

 public:
  // The caption sets that follow the state: the program window's, the bank
  // select window's and the drum note window's buttons.
  enum class Caption : unsigned { kProgram = 1, kBank = 2, kDrum = 4 };
  Q_DECLARE_FLAGS(Captions, Caption)

  // The captions in `stale` no longer match the state: emits CaptionsStale
  // once for each, drum captions first, then program, then bank, whichever
  // window was made first.
  void RefreshCaptions(Captions stale);
  // Runs `refresh` whenever `caption` is stale, for as long as `receiver`
  // lives: how a window that shows those captions subscribes.
  void WhenStale(Caption caption, QObject* receiver, std::function<void()> refresh);

 signals:
  // One set of captions is to be rewritten from the tables now.
  void CaptionsStale(tonalyx::Events::Captions stale);
  // ModuleType has been set from the module type window's selection.
  void ModuleTypeApplied(tonalyx::ModuleKind type);
  // A GS tone has been played: its program, bank and name.
  void TonePlayed(int program, int bank, std::string_view name);
  // Another GS tone map (MapIndex) has been chosen.
  void ToneMapChanged();
  // A drum note (DrumNote of DrumKit) has been played.
  void DrumNotePlayed();
  // A part parameter of the tone edit window has changed.
  void ToneEditsChanged();
  // The favourites have changed: one was added, removed, moved or renamed.
  void FavouritesChanged();
  // The user wants the favourites window.
  void FavouritesRequested();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Events::Captions)

}  // namespace tonalyx
