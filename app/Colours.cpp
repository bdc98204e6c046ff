#include "Colours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

namespace colours {

namespace {
// Every role set explicitly, so that nothing is inherited from the page.
QPalette systemPalette() {
    QPalette palette = QApplication::palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(g, r, palette.color(g, r));
        }
    }
    return palette;
}
} // namespace

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void fillSystemBackground(QWidget* widget) {
    fillBackground(widget, QApplication::palette().color(QPalette::Button));
}

void keepSystemColoursOfControls(QWidget* root) {
    const QPalette palette = systemPalette();
    for (QWidget* child : root->findChildren<QWidget*>()) {
        const bool isControl = qobject_cast<QPushButton*>(child) != nullptr ||
                               qobject_cast<QLineEdit*>(child) != nullptr ||
                               qobject_cast<QComboBox*>(child) != nullptr ||
                               qobject_cast<QAbstractItemView*>(child) != nullptr ||
                               qobject_cast<QScrollBar*>(child) != nullptr;
        if (isControl) {
            child->setPalette(palette);
        }
    }
}

} // namespace colours
