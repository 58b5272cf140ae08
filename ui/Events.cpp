#include "ui/Events.h"

namespace tonalyx {

void Events::RefreshCaptions(Captions stale) {
  for (const Caption caption : {Caption::kDrum, Caption::kProgram, Caption::kBank}) {
    if (stale.testFlag(caption)) emit CaptionsStale(caption);
  }
}

void Events::WhenStale(Caption caption, QObject* receiver, std::function<void()> refresh) {
  connect(this, &Events::CaptionsStale, receiver,
          [caption, refresh = std::move(refresh)](Captions stale) {
            if (stale.testFlag(caption)) refresh();
          });
}

}  // namespace tonalyx
