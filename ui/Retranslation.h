#pragma once

#include <functional>

class QWidget;

namespace tonalyx {

// Runs `apply_texts` now, and again each time the program's language changes
// (the window, shown or hidden, receives QEvent::LanguageChange), for as long
// as the window lives: how a window sets every text it shows, through tr(),
// from one place.
void KeepTranslated(QWidget& window, const std::function<void()>& apply_texts);

}  // namespace tonalyx
