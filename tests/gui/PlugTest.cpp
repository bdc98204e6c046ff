// The player comes and goes while the window is open: edit, write, unplug,
// plug back (as another device, at another mount point), write again.
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "settings/FieldLayout.h"

#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

// Unplugged, the window says so, writes and reads nothing, and another player
// plugged in does not take its place. Plugged back elsewhere, it is found by
// its identity and written without a question when its file is unchanged;
// changed meanwhile (the player saves some settings), the question names
// each setting with both values, and the user writes the window's, loads
// the player's, or does nothing.
TEST(Plug, ThePlayerComesAndGoes) {
    enum Answer { Write, Load, Nothing, Unasked };
    const struct {
        const char* what;
        bool back;
        bool changedOnPlayer;
        Answer answer;
    } cases[] = {
        {"unplugged", false, false, Unasked},
        {"back elsewhere", true, false, Unasked},
        {"back, changed, write", true, true, Write},
        {"back, changed, load", true, true, Load},
        {"back, changed, do nothing", true, true, Nothing},
    };
    for (const auto& c : cases) {
        const PlayerIdentity identity{"usb-Ostrel_1", "1234-ABCD", "OSTREL", "/media/OSTREL"};
        PlayerWindow shown(validPlayerBytes(), [&](TestRig& rig) {
            rig.volumes.players[rig.volumes.list.last()] = identity;
        });
        Form1& window = *shown.window;
        TestRig& rig = shown.rig;
        const QString first = rig.volumes.list.takeLast();
        window.home->VScroll2->setLevel(9);
        const QString other = rig.addPlayer(validPlayerBytes());
        emit rig.mounts.changed();
        EXPECT_TRUE(window.Label10->text().contains("débranché")) << c.what;
        window.enreg_ostrel->click();
        window.Command1->click(); // "lire ostrel": it is not there, nothing changes
        EXPECT_EQ(rig.messages.shown.size(), 2) << c.what;
        EXPECT_TRUE(window.enreg_ostrel->isEnabled() &&
                    window.image().byte(layout::Contrast) == 90);
        EXPECT_EQ(readFile(other + "/settings.dat"), validPlayerBytes()) << c.what;
        if (!c.back) {
            continue;
        }
        const QString again = rig.root() + "/OSTREL1";
        ASSERT_TRUE(QDir().rename(first, again));
        rig.volumes.list.append(again);
        rig.volumes.players[again] = identity;
        QByteArray onPlayer = validPlayerBytes();
        onPlayer[layout::Contrast] = static_cast<char>(c.changedOnPlayer ? 70 : 50);
        writeFile(again + "/settings.dat", onPlayer);
        emit rig.mounts.changed();
        EXPECT_TRUE(window.Label10->text().contains(again)) << c.what;

        if (c.answer != Unasked) {
            rig.messages.choice = c.answer;
        }
        window.enreg_ostrel->click();
        ASSERT_EQ(rig.messages.asked.size(), c.changedOnPlayer ? 1 : 0) << c.what;
        if (c.changedOnPlayer) {
            EXPECT_TRUE(rig.messages.asked[0].contains("Contraste : 7 sur l'ostrel, 9 dans"))
                << rig.messages.asked[0].toStdString();
        }
        const bool written = c.answer == Write || c.answer == Unasked;
        EXPECT_EQ(readFile(again + "/settings.dat"),
                  written ? window.image().fileBytes() : onPlayer)
            << c.what;
        EXPECT_EQ(window.image().byte(layout::Contrast), c.answer == Load ? 70 : 90) << c.what;
    }
}
