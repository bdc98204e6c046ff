// What ordinary desktops bring: dark themes, a second editor, an editor
// started from the player itself.
#include "support/DesktopColours.h"
#include "support/TestRig.h"

#include "app/Colours.h"
#include "app/Frame.h"
#include "app/LevelScrollBar.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "player/PlayerLock.h"
#include "radio/FmPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>

#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>

namespace {
// The colour a widget's text is drawn on: its own background or the nearest
// painted one behind it.
QColor colourBehind(const QWidget* widget) {
    while (!widget->autoFillBackground() && widget->parentWidget() != nullptr) {
        widget = widget->parentWidget();
    }
    return widget->palette().color(QPalette::Window);
}

bool isPageColour(const QColor& colour) {
    return colour == colours::kLightGreen || colour == colours::kLightMagenta ||
           colour == colours::kLightCyan || colour == colours::kLightRed;
}

// Every caption against the colour behind it; every control's text against
// its own face. Disabled captions too where the page colour is ours.
void expectEverythingReadable(const Form1& window, const char* theme) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QPalette& palette = widget->palette();
        QColor background;
        QPalette::ColorRole text = QPalette::WindowText;
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QRadioButton*>(widget) ||
            qobject_cast<const Frame*>(widget)) {
            background = colourBehind(widget);
        } else if (qobject_cast<const QLineEdit*>(widget) ||
                   qobject_cast<const QListWidget*>(widget)) {
            background = palette.color(QPalette::Base);
            text = QPalette::Text;
        } else if (qobject_cast<const QPushButton*>(widget) ||
                   qobject_cast<const QComboBox*>(widget)) {
            background = palette.color(QPalette::Button);
            text = QPalette::ButtonText;
        } else {
            continue;
        }
        const auto name = widget->objectName().toStdString();
        EXPECT_GE(contrastRatio(palette.color(QPalette::Active, text), background), 4.5)
            << theme << " " << name;
        if (isPageColour(background)) {
            EXPECT_GE(contrastRatio(palette.color(QPalette::Disabled, text), background), 4.5)
                << theme << " disabled " << name;
        }
    }
}
} // namespace

TEST(Desktop, EveryTextStaysReadableUnderALightAndADarkTheme) {
    for (const auto& [theme, palette] :
         {std::pair{"default", QApplication::palette()}, std::pair{"dark", darkPalette()}}) {
        PlayerWindow shown(validPlayerBytes(), [&](TestRig& rig) { rig.palette = palette; });
        ASSERT_NE(shown.window, nullptr);
        shown.window->Freq_FM->Text1_Click(3); // the preset boxes take their fixed colours
        expectEverythingReadable(*shown.window, theme);
    }
}

// By whatever name the second editor reaches the player's file.
TEST(Desktop, ASecondEditorOnTheSamePlayerIsRefusedUntilTheFirstEnds) {
    for (const bool hardLink : {false, true}) {
        TestRig first;
        const QString player = first.addPlayer(validPlayerBytes());
        TestRig second;
        second.volumes.list = first.volumes.list;
        second.lockFolder = first.lockFolder;
        if (hardLink) {
            const QString other = second.addVolume();
            ASSERT_EQ(::link(QFile::encodeName(player + "/settings.dat").constData(),
                             QFile::encodeName(other + "/settings.dat").constData()),
                      0);
            second.volumes.list = {other};
        }

        auto window = first.start();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(second.start(), nullptr) << hardLink;
        EXPECT_EQ(second.messages.shown,
                  QStringList{QStringLiteral("l'ostrel est déjà ouvert dans une autre fenêtre")});
        EXPECT_EQ(QDir(player).entryList(QDir::Files | QDir::Hidden), QStringList{"settings.dat"})
            << "nothing is created on the player";

        window.reset();
        second.messages.shown.clear();
        EXPECT_NE(second.start(), nullptr);
        EXPECT_TRUE(second.messages.shown.isEmpty());
    }
}

// Without its lock the window still works, and says once that nothing keeps
// other writers off.
TEST(Desktop, ALockThatCannotBeMadeIsSaidOnce) {
    PlayerWindow shown(validPlayerBytes(), [](TestRig& rig) {
        writeFile(rig.root() + "/not-a-folder", "x");
        rig.lockFolder = rig.root() + "/not-a-folder/run";
    });
    ASSERT_NE(shown.window, nullptr);
    ASSERT_EQ(shown.rig.messages.shown.size(), 1);
    EXPECT_TRUE(shown.rig.messages.shown[0].contains(QStringLiteral("verrou")));
    shown.window->home->VScroll2->setLevel(9);
    shown.window->enreg_ostrel->click();
    EXPECT_EQ(readFile(shown.window->deviceSettingsPath()), shown.window->image().fileBytes());
    EXPECT_EQ(shown.rig.messages.shown.size(), 1);
}

TEST(Desktop, ALockLeftByAnEditorThatCrashedIsTakenOver) {
    TestRig rig;
    const QString player = rig.addPlayer(validPlayerBytes());
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    // The lock file as a crashed editor leaves it: its process is gone.
    QFile lock(PlayerLock::pathFor(rig.lockFolder, player + "/settings.dat"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone) + "\nostrel-settings\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    EXPECT_NE(rig.start(), nullptr);
    EXPECT_TRUE(rig.messages.shown.isEmpty()) << rig.messages.shown.join("|").toStdString();
}

// The backup would be the player's own file: the program started from the
// player's root (reached by another spelling of its folder), or a backup that
// is a link to the player's file. Each says what is true.
TEST(Desktop, SavingNeverReplacesThePlayersOwnFile) {
    const struct {
        const char* what;
        std::function<void(TestRig&)> prepare;
        const char* says;
    } cases[] = {
        {"program on the player",
         [](TestRig& rig) {
             const QString link = rig.root() + "/program-on-player";
             ASSERT_TRUE(QFile::link(rig.volumes.list.last(), link));
             rig.programFolder = link;
         },
         "le programme est lancé depuis l'ostrel"},
        {"backup linked to the player's file",
         [](TestRig& rig) {
             ASSERT_TRUE(QFile::link(rig.volumes.list.last() + "/settings.dat",
                                     rig.programFolder + "/settings.dat"));
         },
         "est un lien vers le fichier de l'ostrel"},
    };
    for (const auto& c : cases) {
        PlayerWindow shown(validPlayerBytes(), c.prepare);
        ASSERT_NE(shown.window, nullptr);
        const QString playerFile = shown.window->deviceSettingsPath();
        shown.window->home->VScroll2->setLevel(9);

        shown.window->Command8->click();
        EXPECT_EQ(readFile(playerFile), validPlayerBytes()) << c.what;
        ASSERT_EQ(shown.rig.messages.shown.size(), 1) << c.what;
        EXPECT_TRUE(shown.rig.messages.shown[0].contains(QString::fromUtf8(c.says)))
            << shown.rig.messages.shown[0].toStdString();
        EXPECT_NE(shown.window->Label10->text(), QStringLiteral("fichier sauvegardé"));
    }
}
