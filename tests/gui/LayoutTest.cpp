// The window as the user sees it: captions that fit, bars that move the way
// they look, colours, keyboard order.
#include "support/Languages.h"
#include "support/TestRig.h"

#include "app/Frame.h"
#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "options/OptionsPage.h"
#include "radio/FmPage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {
struct BareWindow {
    FakeVolumes volumes;
    RecordedMessages messages;
    Form1 window{Seams{volumes, messages, QString(), UserFolders{}, QApplication::palette()}};
};

std::string name(const QWidget* widget) {
    return widget->objectName().toStdString();
}

// The room a caption gets inside its control, and the room it needs.
void expectCaptionFits(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().trimmed().isEmpty()) {
            return;
        }
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name(label);
        } else {
            EXPECT_LE(label->sizeHint().width(), label->width()) << name(label);
        }
        // A single word must not be cut either.
        for (const QString& word : label->text().split(' ', Qt::SkipEmptyParts)) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(word), label->contentsRect().width())
                << name(label) << " " << word.toStdString();
        }
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        if (!radio->text().trimmed().isEmpty()) {
            EXPECT_LE(radio->sizeHint().width(), radio->width()) << name(radio);
            EXPECT_LE(radio->fontMetrics().height(), radio->height()) << name(radio);
        }
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed = button->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap, button->text().trimmed());
        EXPECT_LE(needed.height(), room.height()) << name(button);
        EXPECT_LE(needed.width(), room.width()) << name(button);
    } else if (auto* frame = qobject_cast<Frame*>(widget)) {
        EXPECT_LT(Frame::kCaptionIndent + frame->captionWidth(), frame->width()) << name(frame);
    }
}
} // namespace

// In French and in English alike.
TEST(Layout, EveryCaptionFitsItsControl) {
    for (const QString& language : {QString(), QStringLiteral("en")}) {
        const InLanguage inLanguage(language);
        BareWindow bare;
        SCOPED_TRACE(language.toStdString());
        for (QWidget* widget : bare.window.findChildren<QWidget*>()) {
            expectCaptionFits(widget);
        }
    }
}

TEST(Layout, EveryHelpTextFitsTheHelpStrip) {
    for (const QString& language : {QString(), QStringLiteral("en")}) {
        const InLanguage inLanguage(language);
        BareWindow bare;
        SCOPED_TRACE(language.toStdString());
        for (const QWidget* widget : bare.window.findChildren<QWidget*>()) {
            if (!widget->accessibleDescription().isEmpty()) {
                bare.window.Label13->setText(widget->accessibleDescription());
                expectCaptionFits(bare.window.Label13);
            }
        }
        bare.window.Label10->warnUnsaved();
        expectCaptionFits(bare.window.Label10);
    }
}

// The top end holds the larger value, so every way of moving up must raise the level.
TEST(Layout, EveryWayOfMovingABarUpRaisesItsLevel) {
    BareWindow bare;
    bare.window.show();
    bare.window.show_egal_Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bare.window));
    LevelScrollBar* bar = bare.window.egaliseur->VScroll1[2];
    const int arrow = bar->width(); // the arrow buttons are square

    const struct {
        const char* how;
        std::function<void()> move;
        int expectedChange;
    } moves[] = {
        {"key up", [&] { QTest::keyClick(bar, Qt::Key_Up); }, +1},
        {"key down", [&] { QTest::keyClick(bar, Qt::Key_Down); }, -1},
        {"page up", [&] { QTest::keyClick(bar, Qt::Key_PageUp); }, +1},
        {"page down", [&] { QTest::keyClick(bar, Qt::Key_PageDown); }, -1},
        {"top arrow",
         [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, arrow / 2)); },
         +1},
        {"bottom arrow",
         [&] {
             QTest::mouseClick(bar, Qt::LeftButton, {},
                               QPoint(bar->width() / 2, bar->height() - arrow / 2));
         },
         -1},
        {"click above the handle",
         [&] { QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, arrow + 2)); },
         +1},
        {"click below the handle",
         [&] {
             QTest::mouseClick(bar, Qt::LeftButton, {},
                               QPoint(bar->width() / 2, bar->height() - arrow - 2));
         },
         -1},
        {"wheel up",
         [&] {
             const QPointF centre(bar->width() / 2.0, bar->height() / 2.0);
             QWheelEvent wheel(centre, bar->mapToGlobal(centre), QPoint(), QPoint(0, 120),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(bar, &wheel);
         },
         +1},
    };
    for (const auto& m : moves) {
        bar->setLevel(4);
        m.move();
        EXPECT_EQ(bar->level(), 4 + m.expectedChange) << m.how;
    }
}

// Rendered pixels: pages show their colour behind labels and option buttons,
// while scroll bars and buttons keep the system's grey.
TEST(Layout, PagesShowTheirColoursAndControlsKeepTheSystemOnes) {
    BareWindow bare;
    bare.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bare.window));
    const auto pixelAt = [&](QWidget* widget, QPoint point) {
        return QColor(bare.window.grab().toImage().pixel(widget->mapTo(&bare.window, point)));
    };
    const auto isGrey = [](QColor c) {
        return qAbs(c.red() - c.green()) < 8 && qAbs(c.green() - c.blue()) < 8;
    };

    EXPECT_EQ(pixelAt(&bare.window, QPoint(400, 200)), QColor(0xC0, 0xFF, 0xC0));

    const struct {
        std::function<void()> show;
        QWidget* page;
        QPoint bare;
        QColor colour;
        QWidget* control;
    } pages[] = {
        {[&] { bare.window.show_egal_Click(); }, bare.window.egaliseur, QPoint(250, 250),
         QColor(0xFF, 0xC0, 0xFF), bare.window.egaliseur->VScroll1[0]},
        {[&] { bare.window.Command6_Click(); }, bare.window.Freq_FM, QPoint(160, 20),
         QColor(0xC0, 0xFF, 0xFF), bare.window.Freq_FM->enreg_f_fm},
        {[&] { bare.window.Command9_Click(); }, bare.window.srs, QPoint(200, 350),
         QColor(0xFF, 0xC0, 0xC0), bare.window.srs->VScroll3},
    };
    for (const auto& p : pages) {
        p.show();
        EXPECT_EQ(pixelAt(p.page, p.bare), p.colour) << name(p.page);
        const QColor control =
            pixelAt(p.control, QPoint(p.control->width() / 2, p.control->height() / 2 + 20));
        EXPECT_TRUE(isGrey(control)) << name(p.control) << " " << control.name().toStdString();
    }
}
