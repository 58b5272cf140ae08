#pragma once

#include <QFont>
#include <QString>
#include <string_view>

class QPushButton;
class QWidget;

namespace tonalyx {

// The design's gothic font at the given pixel height, through a fallback chain
// so that every platform shows a Japanese gothic face of the same metrics.
inline constexpr int kDesignPixels = 12;
QFont DesignFont(int pixelSize = kDesignPixels);
// Gives a window the design font.
void ApplyDesignFont(QWidget& window);
// Makes a window visible and brings it to the front; nothing for null.
void ShowInFront(QWidget* window);
// A name from the tables as a button caption: an ampersand is shown as stored,
// not taken as a keyboard mnemonic.
QString CaptionText(std::string_view name);
// Shows a name on a button whole: in the design font at the button's design
// size where it fits, else in the largest smaller size that does (the longest
// tone names are wider than the design's buttons), down to
// kSmallestCaptionPixels.
void SetCaption(QPushButton& button, std::string_view name, int designPixels = kDesignPixels);
inline constexpr int kSmallestCaptionPixels = 7;

}  // namespace tonalyx
