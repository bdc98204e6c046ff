#include "FocusRing.h"

#include <QApplication>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

namespace {
constexpr int kGap = 1;   // between the control and the ring
constexpr int kWidth = 2; // of the ring's line
} // namespace

FocusRing::FocusRing(QWidget* window)
    : QWidget(window) {
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { follow(focused); });
}

QColor FocusRing::colour() const {
    const QWidget* around = target_ ? target_->parentWidget() : nullptr;
    return around ? around->palette().color(QPalette::WindowText) : QColor(Qt::black);
}

void FocusRing::follow(QWidget* focused) {
    QWidget* window = parentWidget();
    // Buttons, text boxes, the combo boxes and the lists show their focus
    // clearly in the style's own way.
    const bool faint = qobject_cast<QRadioButton*>(focused) || qobject_cast<QScrollBar*>(focused);
    if (!faint || !window->isAncestorOf(focused)) {
        target_ = nullptr;
        hide();
        return;
    }
    target_ = focused;
    const int margin = kGap + kWidth;
    setGeometry(QRect(focused->mapTo(window, QPoint(0, 0)), focused->size())
                    .adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(colour(), kWidth));
    painter.drawRect(
        QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}
