#pragma once

#include <functional>

class QWidget;

namespace tonalyx {

// Runs `entered` each time the pointer moves onto `control`, for as long as
// the control lives: how an audition control gets its sound ready before the
// press.
void WhenPointerEnters(QWidget& control, std::function<void()> entered);

}  // namespace tonalyx
