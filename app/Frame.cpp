#include "Frame.h"

#include <QPainter>

int Frame::captionWidth() const {
    return fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding;
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int captionHeight = fontMetrics().height();
    const QRect box = rect().adjusted(0, captionHeight / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    const QRect caption(kCaptionIndent, 0, captionWidth(), captionHeight);
    painter.fillRect(caption, palette().window());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}
