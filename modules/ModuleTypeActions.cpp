#include "modules/ModuleTypeActions.h"

namespace tonalyx {

void ApplyModuleType(AppContext&) {}
void StartModuleReset(AppContext&) {}

}  // namespace tonalyx
