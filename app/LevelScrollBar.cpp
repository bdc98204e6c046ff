#include "LevelScrollBar.h"

#include <QSignalBlocker>

LevelScrollBar::LevelScrollBar(int topValue, int bottomValue, int initialLevel, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
    , top_(topValue)
    , bottom_(bottomValue)
    , sign_(topValue > bottomValue ? -1 : 1) {
    setRange(sign_ * top_, sign_ * bottom_);
    setSingleStep(1);
    setPageStep(1);
    setValue(sign_ * initialLevel);
    // A drag changes the level once, when the handle is let go: the handlers
    // store and warn then, not at every step the handle passes.
    setTracking(false);
    connect(this, &QScrollBar::valueChanged, this,
            [this](int value) { emit levelChanged(sign_ * value); });
}

int LevelScrollBar::level() const {
    return sign_ * value();
}

void LevelScrollBar::setLevel(int level) {
    setValue(sign_ * level);
}

void LevelScrollBar::setLevelQuietly(int level) {
    const QSignalBlocker quiet(this);
    setValue(sign_ * level);
}
