#include "tone/ToneAudition.h"

namespace tonalyx {

void PlayTone(AppContext&) {}
void ReleaseTone(AppContext&) {}

}  // namespace tonalyx
