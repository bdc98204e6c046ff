#pragma once

#include <QColor>

class QWidget;

namespace colours {
inline const QColor kLightGreen{0xC0, 0xFF, 0xC0};   // the window and its home page
inline const QColor kLightMagenta{0xFF, 0xC0, 0xFF}; // equalizer page
inline const QColor kLightCyan{0xC0, 0xFF, 0xFF};    // FM page
inline const QColor kLightRed{0xFF, 0xC0, 0xC0};     // SRS WOW page

// Paints the widget's background; labels, frames and option buttons inside
// it show the same colour.
void fillBackground(QWidget* widget, const QColor& colour);
// Paints the widget's background in the system's control colour.
void fillSystemBackground(QWidget* widget);
// Buttons, text boxes, lists and scroll bars keep the system's colours
// whatever page they sit on: applied to every such control under `root`.
void keepSystemColoursOfControls(QWidget* root);
} // namespace colours
