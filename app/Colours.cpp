#include "Colours.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace colours {

namespace {
const char* const kSystemSurface = "ostrelSystemSurface";

// Every role set explicitly, so that nothing is inherited from the page.
QPalette explicitPalette(const QPalette& source) {
    QPalette palette = source;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(g, r, source.color(g, r));
        }
    }
    return palette;
}

void paint(QWidget* widget, const QColor& background, const QColor& text,
           const QColor& disabledText) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

bool isControl(QWidget* widget) {
    return qobject_cast<QPushButton*>(widget) != nullptr ||
           qobject_cast<QLineEdit*>(widget) != nullptr ||
           qobject_cast<QComboBox*>(widget) != nullptr ||
           qobject_cast<QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<QScrollBar*>(widget) != nullptr;
}
} // namespace

void fillBackground(QWidget* widget, const QColor& colour) {
    paint(widget, colour, kTextOnLight, kDisabledTextOnLight);
}

void fillSystemBackground(QWidget* widget) {
    widget->setProperty(kSystemSurface, true);
    widget->setAutoFillBackground(true);
}

void applySystemColours(QWidget* root, const QPalette& system) {
    const QPalette controls = explicitPalette(system);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (isControl(child)) {
            child->setPalette(controls);
        } else if (child->property(kSystemSurface).toBool()) {
            paint(child, system.color(QPalette::Button), system.color(QPalette::ButtonText),
                  system.color(QPalette::Disabled, QPalette::ButtonText));
        }
    }
}

void fillTextBox(QWidget* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Text, kTextOnLight);
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledTextOnLight);
    box->setPalette(palette);
}

} // namespace colours
