#include "drum/DrumAudition.h"

namespace tonalyx {

void PlayDrumNote(AppContext&) {}
void ReleaseDrumNote(AppContext&) {}

}  // namespace tonalyx
