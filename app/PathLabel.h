#pragma once

#include <QLabel>

// Shows a folder path on one line; when it is too long for the label its
// beginning gives way to "…", so the player's own folder name stays visible.
// The label's text stays the whole path, also shown as its tool tip.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setPath(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
};
