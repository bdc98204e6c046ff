#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace colours {
inline const QColor kLightGreen{0xC0, 0xFF, 0xC0};   // the window and its home page
inline const QColor kLightMagenta{0xFF, 0xC0, 0xFF}; // equalizer page
inline const QColor kLightCyan{0xC0, 0xFF, 0xFF};    // FM page
inline const QColor kLightRed{0xFF, 0xC0, 0xC0};     // SRS WOW page

// Text drawn on those light colours stays dark whatever the desktop's theme,
// greyed when disabled but still readable.
inline const QColor kTextOnLight{0x00, 0x00, 0x00};
inline const QColor kDisabledTextOnLight{0x55, 0x55, 0x55};

// Paints the widget's background in a fixed light colour; labels, frames and
// option buttons inside it show the same colour and draw their text dark.
void fillBackground(QWidget* widget, const QColor& colour);
// Paints the widget's background in the desktop's control colour, with the
// desktop's text colour on it, once applySystemColours runs.
void fillSystemBackground(QWidget* widget);
// The desktop's colours, under `root`, for the surfaces painted in the
// system's colour and for every control: buttons, text boxes, lists and
// scroll bars keep the system's colours whatever page they sit on.
void applySystemColours(QWidget* root, const QPalette& system);
// A text box painted in a fixed light colour, with dark text.
void fillTextBox(QWidget* box, const QColor& colour);
} // namespace colours
