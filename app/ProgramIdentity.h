#pragma once

#include <QIcon>

namespace tonalyx {

// The program icon in every size drawn for it.
QIcon ProgramIcon();
// Gives the application its desktop identity: the desktop entry's id, so
// that a desktop shell matches the windows with their menu entry, and the
// program icon, which every window then carries.
void ApplyProgramIdentity();

}  // namespace tonalyx
