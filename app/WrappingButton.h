#pragma once

#include <QPushButton>

// A command button whose caption wraps onto several lines when it is wider
// than the button, as on the FM page's tall validation button; leading blanks
// stay on the first line, as the caption has them.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
