#include "LevelScrollBar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace {
// What a screen reader reads of a level bar: the level its label shows (the
// contrast bar at 6 reads 6), not the scroll bar's own upside-down value.
class LevelBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LevelBarAccessible(LevelScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? QString::number(bar()->level())
                                          : QAccessibleWidget::text(type);
    }
    QVariant currentValue() const override { return bar()->level(); }
    void setCurrentValue(const QVariant& value) override { bar()->setLevel(value.toInt()); }
    QVariant maximumValue() const override {
        return std::max(bar()->topValue(), bar()->bottomValue());
    }
    QVariant minimumValue() const override {
        return std::min(bar()->topValue(), bar()->bottomValue());
    }
    QVariant minimumStepSize() const override { return 1; }

private:
    LevelScrollBar* bar() const { return static_cast<LevelScrollBar*>(widget()); }
};

QAccessibleInterface* levelBarAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("LevelScrollBar") && object->isWidgetType()) {
        return new LevelBarAccessible(static_cast<LevelScrollBar*>(object));
    }
    return nullptr;
}
} // namespace

LevelScrollBar::LevelScrollBar(int topValue, int bottomValue, int initialLevel, const QString& name,
                               QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
    , top_(topValue)
    , bottom_(bottomValue)
    , sign_(topValue > bottomValue ? -1 : 1) {
    // Before the first value is set: a screen reader already listening asks
    // for the bar's interface then, and keeps the one it gets.
    static const bool readable = [] {
        QAccessible::installFactory(levelBarAccessible);
        return true;
    }();
    (void)readable;
    setRange(sign_ * top_, sign_ * bottom_);
    setSingleStep(1);
    setPageStep(1);
    setValue(sign_ * initialLevel);
    // A drag changes the level once, when the handle is let go: the handlers
    // store and warn then, not at every step the handle passes.
    setTracking(false);
    // Reached with Tab like any control; the arrow and page keys move the
    // handle toward the end the user sees (up is up).
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(name);
    connect(this, &QScrollBar::valueChanged, this, [this](int value) {
        emit levelChanged(sign_ * value);
        QAccessibleValueChangeEvent changed(this, level());
        QAccessible::updateAccessibility(&changed);
    });
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
