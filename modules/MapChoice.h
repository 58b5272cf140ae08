#pragma once

#include <QString>
#include <functional>
#include <span>

class QWidget;

namespace tonalyx {

// Builds the group box "音源マップ" of a map window with one radio button per
// caption (RadioButton1, RadioButton2, ...), the first selected. `chosen` runs
// with the button's number (1-based) only when that button becomes the
// selected one, so clicking the selected button runs nothing.
void BuildMapChoice(QWidget& window, std::span<const QString> captions,
                    std::function<void(int number)> chosen);

}  // namespace tonalyx
