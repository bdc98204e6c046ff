#include "PathLabel.h"

#include <QPainter>

void PathLabel::setPath(const QString& path) {
    setText(path);
    setToolTip(path);
}

void PathLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event); // the border
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(2, 0, -2, 0);
    painter.drawText(room, Qt::AlignCenter,
                     fontMetrics().elidedText(text(), Qt::ElideLeft, room.width()));
}
