#pragma once

#include <QGroupBox>

// A frame as the window's design draws it: an etched line with the caption
// set into its top edge, and nothing painted inside, so that the frame shows
// the colour of the page it sits on.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kCaptionIndent = 6;
    static constexpr int kCaptionPadding = 2;

    using QGroupBox::QGroupBox;

    // The width the caption takes in the top edge.
    int captionWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
