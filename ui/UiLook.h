#pragma once

#include <QFont>
#include <QString>
#include <string_view>

class QWidget;

namespace tonalyx {

// The design's gothic font at the given pixel height, through a fallback chain
// so that every platform shows a Japanese gothic face of the same metrics.
QFont DesignFont(int pixel_size = 12);
// Gives a window the design font.
void ApplyDesignFont(QWidget& window);
// Makes a window visible and brings it to the front; nothing for null.
void ShowInFront(QWidget* window);
// A name from the tables as a button caption: an ampersand is shown as stored,
// not taken as a keyboard mnemonic.
QString CaptionText(std::string_view name);

}  // namespace tonalyx
