#include "EventHooks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPushButton>
#include <QWidget>

#include <utility>
#include <vector>

namespace {
class EventHook : public QObject {
public:
    EventHook(QWidget* widget, std::vector<QEvent::Type> types, std::function<bool(QEvent*)> wanted,
              std::function<void()> handler)
        : QObject(widget)
        , types_(std::move(types))
        , wanted_(std::move(wanted))
        , handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        for (QEvent::Type type : types_) {
            if (event->type() == type && wanted_(event)) {
                handler_();
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<QEvent::Type> types_;
    std::function<bool(QEvent*)> wanted_;
    std::function<void()> handler_;
};
class ReturnPresses : public QObject {
public:
    ReturnPresses(QWidget* widget, std::function<void()> handler)
        : QObject(widget)
        , handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                modifiers == Qt::NoModifier) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};
} // namespace

void whenReturnPressed(QWidget* widget, std::function<void()> handler) {
    new ReturnPresses(widget, std::move(handler));
}

void pressOnReturn(QPushButton* button) {
    whenReturnPressed(button, [button] {
        if (button->isEnabled()) {
            button->click();
        }
    });
}

void whenEvent(QWidget* widget, std::initializer_list<QEvent::Type> types,
               std::function<void()> handler) {
    new EventHook(
        widget, types, [](QEvent*) { return true; }, std::move(handler));
}

void whenClicked(QWidget* widget, std::function<void()> handler) {
    new EventHook(
        widget, {QEvent::MouseButtonRelease},
        [widget](QEvent* event) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            return mouse->button() == Qt::LeftButton &&
                   widget->rect().contains(mouse->position().toPoint());
        },
        std::move(handler));
}
