#pragma once

#include <QScrollBar>

// A vertical scroll bar whose top end may hold the larger value, as the
// player's level bars do (20 at the top, -12 at the bottom). Whatever the
// ends, the handle, the arrows, a click beside the handle, the wheel and the
// keys all move toward the end the user sees.
class LevelScrollBar : public QScrollBar {
    Q_OBJECT
public:
    // `name` tells a screen reader what the bar sets ("Contraste", "62 Hz").
    LevelScrollBar(int topValue, int bottomValue, int initialLevel, const QString& name,
                   QWidget* parent);

    int topValue() const { return top_; }
    int bottomValue() const { return bottom_; }

    int level() const;
    // From code, like a move by the user: `levelChanged` follows when the level changes.
    void setLevel(int level);
    // Moves the handle without telling anyone.
    void setLevelQuietly(int level);

signals:
    void levelChanged(int level);

private:
    int top_;
    int bottom_;
    int sign_; // the scroll bar's own values grow downward
};
