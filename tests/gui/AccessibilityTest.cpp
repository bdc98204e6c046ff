// Keyboard and screen reader: every control named, described and reachable
// without a mouse, on every page.
#include "support/DesktopColours.h"
#include "support/TestRig.h"

#include "app/FocusRing.h"

#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "options/OptionsPage.h"
#include "radio/FmPage.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct Page {
    const char* name;
    QPushButton* Form1::*button; // the button that shows it
};
const Page kPages[] = {
    {"home", &Form1::Command5},       {"FM", &Form1::Command6},  {"options", &Form1::Command3},
    {"equalizer", &Form1::show_egal}, {"SRS", &Form1::Command9},
};

bool takesInput(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QListWidget*>(widget) ||
           qobject_cast<const LevelScrollBar*>(widget);
}

// The input controls a user sees on the page shown now.
QList<QWidget*> visibleInputs(Form1& window) {
    QList<QWidget*> inputs;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (takesInput(widget) && widget->isVisibleTo(&window)) {
            inputs.append(widget);
        }
    }
    return inputs;
}

std::string name(const QWidget* widget) {
    return widget->objectName().toStdString();
}

QString accessibleText(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// The window on a valid player, shown and active, so that it takes the keys.
struct ShownWindow : PlayerWindow {
    explicit ShownWindow(const QPalette& palette = QApplication::palette())
        : PlayerWindow(validPlayerBytes(), [palette](TestRig& rig) { rig.palette = palette; }) {
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};
} // namespace

TEST(Accessibility, EveryInputControlOfEachPageHasItsOwnName) {
    ShownWindow shown;
    Form1& window = *shown.window;
    for (const Page& page : kPages) {
        (window.*page.button)->click();
        QSet<QString> names;
        for (QWidget* input : visibleInputs(window)) {
            const QString name = accessibleText(input, QAccessible::Name).trimmed();
            EXPECT_FALSE(name.isEmpty()) << page.name << ": " << input->objectName().toStdString();
            EXPECT_FALSE(names.contains(name)) << page.name << ": " << name.toStdString();
            names.insert(name);
        }
    }
}

// What the help strip shows while the pointer is over a control, a screen
// reader reads as its description.
TEST(Accessibility, HoverHelpIsTheDescription) {
    ShownWindow shown;
    Form1& window = *shown.window;
    int described = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        window.Label13->setText(QStringLiteral("?"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        const QString help = window.Label13->text();
        if (help != QStringLiteral("?") && !help.isEmpty()) {
            EXPECT_EQ(accessibleText(widget, QAccessible::Description), help)
                << widget->objectName().toStdString();
            ++described;
        }
    }
    EXPECT_EQ(described, 12); // eleven buttons and the mail address
}

TEST(Accessibility, ALevelBarReadsTheNumberItsLabelShows) {
    ShownWindow shown;
    Form1& window = *shown.window;
    const struct {
        LevelScrollBar* bar;
        QLabel* label;
    } bars[] = {
        {window.home->VScroll2, window.home->Label1},
        {window.srs->VScroll3, window.srs->Label15},
        {window.egaliseur->VScroll1[1], window.egaliseur->Label2[1]},
    };
    for (const auto& b : bars) {
        for (const int level : {6, 0, 3}) {
            b.bar->setLevel(level);
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(b.bar);
            ASSERT_NE(readable->valueInterface(), nullptr);
            EXPECT_EQ(readable->valueInterface()->currentValue().toInt(), level);
            EXPECT_EQ(readable->text(QAccessible::Value), b.label->text().trimmed());
        }
    }
}

// From "Fin", Tab goes to "Ecrire ostrel", then reaches every control of the
// page shown, each once, and comes back to "Fin".
TEST(Accessibility, TabReachesEveryControlOfThePageFromFinThenWrite) {
    ShownWindow shown;
    Form1& window = *shown.window;
    for (const Page& page : kPages) {
        (window.*page.button)->click();
        window.fin->setFocus();
        QList<QWidget*> visited{window.fin};
        for (int step = 0; step < 200; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == window.fin) {
                break;
            }
            EXPECT_FALSE(visited.contains(QApplication::focusWidget())) << page.name;
            visited.append(QApplication::focusWidget());
        }
        ASSERT_EQ(QApplication::focusWidget(), window.fin) << page.name << ": Tab comes round";
        EXPECT_EQ(visited[1], window.enreg_ostrel) << page.name;
        for (QWidget* input : visibleInputs(window)) {
            // An option group is one stop: Tab lands on its selected button.
            const auto* option = qobject_cast<QRadioButton*>(input);
            if (input->isEnabled() && (option == nullptr || option->isChecked())) {
                EXPECT_TRUE(visited.contains(input))
                    << page.name << ": " << input->objectName().toStdString();
            }
        }
    }
}

TEST(Accessibility, ReturnAndSpacePressTheFocusedButton) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        ShownWindow shown;
        Form1& window = *shown.window;
        window.Command3->setFocus();
        QTest::keyClick(window.Command3, key);
        EXPECT_TRUE(window.parametre->isVisible()) << key;
    }
}

// The arrows move within an option group, and each move is an edit.
TEST(Accessibility, ArrowsInAnOptionGroupSelectAndStore) {
    ShownWindow shown;
    Form1& window = *shown.window;
    window.Command3->click();
    OptionGroup* repeat = window.parametre->Option3;
    const int offset = fieldInfo(IndexField::RepeatMode).offset;
    const int before = repeat->selectedIndex();
    repeat->button(before)->setFocus();
    QTest::keyClick(repeat->button(before), Qt::Key_Down);
    EXPECT_EQ(repeat->selectedIndex(), before + 1);
    EXPECT_EQ(window.image().byte(offset), before + 1);
    EXPECT_EQ(window.Label10->text(), kUnsavedWarning);
}

// The focus shows on every page colour and under a dark desktop theme: on the
// option buttons and level bars, whose style marks are faint, a ring is drawn
// that stands out from what lies around it.
TEST(Accessibility, TheFocusShowsOnEveryPage) {
    for (const QPalette& palette : {QApplication::palette(), darkPalette()}) {
        ShownWindow shown(palette);
        Form1& window = *shown.window;
        FocusRing* ring = window.findChild<FocusRing*>();
        ASSERT_NE(ring, nullptr);
        for (const Page& page : kPages) {
            (window.*page.button)->click();
            for (QWidget* input : visibleInputs(window)) {
                // Tab lands on an option group's selected button.
                const auto* option = qobject_cast<QRadioButton*>(input);
                if (option ? !option->isChecked() : !qobject_cast<LevelScrollBar*>(input)) {
                    continue;
                }
                input->setFocus(Qt::TabFocusReason);
                ASSERT_EQ(ring->target(), input) << page.name;
                const QImage image = window.grab().toImage();
                const QRect around = ring->geometry();
                const QColor drawn(image.pixel(around.left() + 1, around.center().y()));
                const QColor behind(image.pixel(around.left() - 1, around.center().y()));
                EXPECT_EQ(drawn, ring->colour()) << page.name << ": " << name(input);
                EXPECT_GE(contrastRatio(drawn, behind), 3.0) << page.name << ": " << name(input);
            }
        }
    }
}
