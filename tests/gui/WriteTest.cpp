// "Ecrire ostrel": the image goes back to the player, byte for byte, or the
// user is told why it did not.
#include "support/OtherUser.h"
#include "support/SmallTmpfs.h"
#include "support/TestRig.h"
#include "support/ValidImages.h"

#include "app/HistoryDialog.h"
#include "app/LevelScrollBar.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "player/History.h"
#include "player/PlayerLock.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>

#include <cstdio>
#include <gtest/gtest.h>

namespace {
const QString kWritten = QStringLiteral(" vos modifications on été effectués sur l'ostrel");
}

TEST(Write, RandomValidFilesLoadAndWriteBackByteForByte) {
    for (unsigned seed = 1; seed <= 25; ++seed) {
        std::mt19937 random(seed);
        const QByteArray bytes = randomValidImage(random).fileBytes();
        TestRig rig;
        rig.addPlayer(bytes);
        const auto window = rig.start();
        ASSERT_NE(window, nullptr) << seed;
        ASSERT_TRUE(rig.messages.shown.isEmpty())
            << seed << rig.messages.shown.join('|').toStdString();
        EXPECT_EQ(window->image().fileBytes(), bytes) << "loading changed the image, seed " << seed;

        QFile::setPermissions(window->deviceSettingsPath(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        window->enreg_ostrel->click();
        EXPECT_EQ(readFile(window->deviceSettingsPath()), bytes) << seed;
        EXPECT_EQ(window->Label10->text(), kWritten);
        EXPECT_TRUE(isReadOnly(window->deviceSettingsPath())) << seed;
    }
}

// The player's file as the window last read it is read again before it is
// written: changed since (another player in its place, another program), it
// is replaced only when the user says so; of the wrong size, never. Bytes
// past the image are never left behind a write.
TEST(Write, AFileChangedSinceItWasReadIsNeverReplacedUnasked) {
    const auto replaceWith = [](const QByteArray& bytes) {
        return [bytes](const QString& file) {
            writeFile(file + ".new", bytes); // a new file, then in the old one's place
            ASSERT_TRUE(::rename(QFile::encodeName(file + ".new").constData(),
                                 QFile::encodeName(file).constData()) == 0);
        };
    };
    std::mt19937 random(3);
    const QByteArray another = randomValidImage(random).fileBytes();
    QByteArray oneByteChanged = validPlayerBytes();
    oneByteChanged[5] = static_cast<char>(oneByteChanged[5] ^ 1);
    const QStringList wrongSize{QStringLiteral("attention 750"),
                                QStringLiteral("je ne reconnait pas l'ostrel")};
    const struct {
        const char* what;
        std::function<void(const QString&)> change;
        bool asks;
        QStringList says;
    } cases[] = {
        {"unchanged", [](const QString&) {}, false, {}},
        {"another player in its place", replaceWith(another), true, {}},
        {"another player with the same settings", replaceWith(validPlayerBytes()), true, {}},
        {"another program changed a byte",
         [&](const QString& file) { writeFile(file, oneByteChanged); },
         true,
         {}},
        {"grown to 750 bytes",
         [](const QString& file) { writeFile(file, validPlayerBytes() + QByteArray(51, '\x5C')); },
         false, wrongSize},
    };
    for (const auto& c : cases) {
        for (const bool answer : {false, true}) {
            PlayerWindow shown;
            ASSERT_NE(shown.window, nullptr);
            Form1& window = *shown.window;
            window.home->VScroll2->setLevel(9);
            const QString file = window.deviceSettingsPath();
            c.change(file);
            const QByteArray onPlayer = readFile(file);
            shown.rig.messages.answer = answer;

            window.enreg_ostrel->click();
            const bool written = c.says.isEmpty() && (!c.asks || answer);
            const std::string what = std::string(c.what) + (answer ? ", yes" : ", no");
            EXPECT_EQ(shown.rig.messages.asked.size(), c.asks ? 1 : 0) << what;
            EXPECT_EQ(shown.rig.messages.shown, c.says) << what;
            EXPECT_EQ(readFile(file), written ? window.image().fileBytes() : onPlayer) << what;
            EXPECT_EQ(window.Label10->text(), written ? kWritten : kUnsavedWarning) << what;
            if (written) {
                // What the window wrote is what it knows to be there now.
                window.enreg_ostrel->click();
                EXPECT_EQ(shown.rig.messages.asked.size(), c.asks ? 1 : 0) << what;
            }
        }
    }
}

// Another file in the player's place, and the user says yes: that file's
// lock is taken before it is written (refused, naming the holder, when
// another window has it), and the old file's is let go.
TEST(Write, AFileInThePlayersPlaceIsLockedBeforeItIsWritten) {
    using Outcome = PlayerLock::Outcome;
    for (const bool heldElsewhere : {false, true}) {
        PlayerWindow shown;
        shown.window->home->VScroll2->setLevel(9);
        const QString file = shown.window->deviceSettingsPath(), old = file + ".old";
        ASSERT_EQ(::rename(QFile::encodeName(file).constData(), QFile::encodeName(old).constData()),
                  0);
        writeFile(file, validPlayerBytes());
        const auto lock = [&](const QString& name, PlayerLock::Holder holder) {
            return std::make_unique<PlayerLock>(shown.rig.lockFolder, name, holder);
        };
        const auto other = lock(file, PlayerLock::Holder::Window);
        ASSERT_TRUE(!heldElsewhere || other->take() == Outcome::Taken);
        shown.rig.messages.answer = true;
        shown.window->enreg_ostrel->click();

        EXPECT_EQ(readFile(file) == shown.window->image().fileBytes(), !heldElsewhere);
        EXPECT_EQ(shown.rig.messages.shown.size(), heldElsewhere ? 1 : 0);
        EXPECT_EQ(lock(file, PlayerLock::Holder::Command)->take(), Outcome::HeldByWindow);
        EXPECT_EQ(lock(old, PlayerLock::Holder::Command)->take(),
                  heldElsewhere ? Outcome::HeldByWindow : Outcome::Taken);
    }
}

// "Ecrire ostrel" first keeps the file it replaces; when it cannot, it asks,
// and writes only when told to.
TEST(Write, WhatAWriteReplacesIsKeptOrTheUserIsAsked) {
    for (const bool canKeep : {true, false}) {
        for (const bool answer : {false, true}) {
            PlayerWindow shown(validPlayerBytes(), [&](TestRig& rig) {
                if (!canKeep) {
                    writeFile(rig.root() + "/not-a-folder", "x");
                    rig.dataFolder = rig.root() + "/not-a-folder/data";
                }
            });
            ASSERT_NE(shown.window, nullptr);
            shown.window->home->VScroll2->setLevel(9);
            shown.rig.messages.answer = answer;
            shown.window->enreg_ostrel->click();

            const bool written = canKeep || answer;
            EXPECT_EQ(shown.rig.messages.asked.size(), canKeep ? 0 : 1);
            EXPECT_EQ(readFile(shown.window->deviceSettingsPath()),
                      written ? shown.window->image().fileBytes() : validPlayerBytes());
            const QList<HistoryEntry> kept =
                History(shown.rig.dataFolder + "/history")
                    .entries(shown.rig.volumes.player(shown.rig.volumes.list.last()));
            ASSERT_EQ(kept.size(), canKeep ? 1 : 0);
            if (canKeep) {
                EXPECT_EQ(kept[0].bytes, validPlayerBytes());
            }
        }
    }
}

// What a write keeps is what it replaces: a change made while the question
// is open is asked about again, and kept.
TEST(Write, AChangeWhileTheQuestionIsOpenIsAskedAboutAndKept) {
    PlayerWindow shown;
    shown.window->home->VScroll2->setLevel(9);
    const QString file = shown.window->deviceSettingsPath();
    std::mt19937 random(5);
    const QByteArray before = randomValidImage(random).fileBytes();
    const QByteArray during = randomValidImage(random).fileBytes();
    writeFile(file, before);
    shown.rig.messages.whileOpen = [&] {
        writeFile(file, during);
    };
    shown.rig.messages.answer = true;
    shown.window->enreg_ostrel->click();

    EXPECT_EQ(shown.rig.messages.asked.size(), 2);
    EXPECT_EQ(readFile(file), shown.window->image().fileBytes());
    const QList<HistoryEntry> kept =
        History(shown.rig.dataFolder + "/history")
            .entries(shown.rig.volumes.player(shown.rig.volumes.list.last()));
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_EQ(kept[0].bytes, during);
}

// The history from the window: each entry newest first with what putting it
// back would change; putting it back asks, writes as "Ecrire ostrel" does
// (what it replaces kept: it is undone the same way) and shows what it wrote.
// A player's file cut short meanwhile is repaired: kept as it is, then
// replaced whole.
TEST(Write, AnEntryOfTheHistoryIsPutBackFromTheWindow) {
    for (const auto& [answer, cutShort] : {std::pair{false, false}, {true, false}, {true, true}}) {
        PlayerWindow shown;
        Form1& window = *shown.window;
        const QString file = window.deviceSettingsPath();
        const QByteArray first = readFile(file);
        for (const int level : {9, 2}) {
            window.home->VScroll2->setLevel(level);
            window.enreg_ostrel->click();
        }
        const QByteArray second = readFile(file);
        ASSERT_TRUE(giveTo(file, ::geteuid(), 0600, ::getegid()));
        writeFile(file, cutShort ? second.left(300) : second);
        window.historique->click();
        auto* dialog = window.findChild<HistoryDialog*>();
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->list->topLevelItemCount(), 2);
        EXPECT_TRUE(dialog->list->topLevelItem(0)->text(1).contains("Contraste : 2 → 9"))
            << dialog->list->topLevelItem(0)->text(1).toStdString();
        dialog->list->setCurrentItem(dialog->list->topLevelItem(1));
        shown.rig.messages.answer = answer;
        dialog->restore->click();

        EXPECT_EQ(shown.rig.messages.asked.size(), 1);
        EXPECT_EQ(readFile(file), answer ? first : second);
        EXPECT_EQ(window.image().fileBytes(), readFile(file));
        const QList<HistoryEntry> kept =
            History(shown.rig.dataFolder + "/history")
                .entries(shown.rig.volumes.player(shown.rig.volumes.list.last()));
        ASSERT_EQ(kept.size(), answer ? 3 : 2);
        EXPECT_EQ(kept[0].bytes, cutShort ? second.left(300) : kept[0].bytes);
    }
}

// Root never opens a player that the window of a user who could write it
// holds. Through sudo it works as the user who ran sudo (as the program
// makes itself from its start): that user's lock, history and backup, in
// files the user owns (one of root's in the user's home would make the
// user's next write fail).
TEST(Write, RootNeverOpensAUsersPlayerAndSudoWritesAsTheUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "acting as another user needs root";
    }
    for (const bool throughSudo : {true, false}) {
        std::unique_ptr<PlayerLock> usersWindow;
        UserAccount user;
        std::optional<ActingAs> asUser;
        PlayerWindow shown(validPlayerBytes(), [&](TestRig& rig) {
            user = otherUser(rig.root());
            const QString file = rig.volumes.list.last() + "/settings.dat";
            ASSERT_TRUE(giveTo(file, 4242));
            usersWindow = windowOf(user, file);
            const UserAccount root{0, 0, rig.root() + "/root"};
            const UserAccount& actor = throughSudo ? user : root;
            rig.lockFolder = PlayerLock::folderFor(actor);
            rig.dataFolder = actor.home + "/.local/share/ostrel-settings";
            rig.otherLocks = PlayerLock::everyUsersFolders({0, 0, "", [&](uid_t) { return user; },
                                                            [&] {
                                                                return QList{root, user};
                                                            }},
                                                           actor.uid);
            rig.rootsRights = true;
            if (throughSudo) {
                asUser.emplace(user.credentials());
            }
        });
        ASSERT_NE(usersWindow, nullptr);
        EXPECT_EQ(shown.window, nullptr);
        EXPECT_TRUE(shown.rig.messages.shown.value(0).startsWith("l'ostrel est déjà ouvert"));

        usersWindow.reset();
        shown.window = shown.rig.startShown();
        ASSERT_NE(shown.window, nullptr);
        shown.window->home->VScroll2->setLevel(9);
        shown.window->enreg_ostrel->click();
        shown.window->Command8->click();
        EXPECT_EQ(shown.rig.messages.asked, QStringList());
        EXPECT_EQ(notOwnedBy(user.home, 4242), QStringList());
        EXPECT_EQ(QFile::exists(shown.rig.dataFolder + "/history"), true);
        EXPECT_EQ(QFile::exists(shown.rig.dataFolder + "/settings.dat"), throughSudo);
        shown.window.reset();
        asUser.reset();
    }
}

// Each failure ends with one French message saying what went wrong, no success
// text, and the image as it was.
TEST(Write, FailuresAreReportedAndNothingHalfDone) {
    const struct {
        const char* what;
        bool needsSmallDisk;
        std::function<void(const QString& file, SmallTmpfs* disk)> spoil;
        const char* says;
    } cases[] = {
        {"file removed", false, [](const QString& file, SmallTmpfs*) { QFile::remove(file); },
         "n'existe plus"},
        {"folder in place of the file", false,
         [](const QString& file, SmallTmpfs*) { QFile::remove(file), QDir().mkdir(file); },
         "est un dossier"},
        {"link in place of the file", false,
         [](const QString& file, SmallTmpfs*) {
             ::rename(QFile::encodeName(file).constData(),
                      QFile::encodeName(file + "2").constData());
             QFile::link(file + "2", file);
         },
         "est un lien"},
        {"write-protected disk", true,
         [](const QString&, SmallTmpfs* disk) { ASSERT_TRUE(disk->remountReadOnly()); },
         "protégé en écriture"},
    };
    for (const auto& c : cases) {
        TestRig rig;
        const QString player = rig.addVolume();
        std::unique_ptr<SmallTmpfs> disk;
        if (c.needsSmallDisk) {
            disk = std::make_unique<SmallTmpfs>(player);
            if (!disk->mounted()) {
                std::cout << "[ SKIPPED  ] " << c.what << ": " << disk->why() << "\n";
                continue;
            }
        }
        writeFile(player + "/settings.dat", validPlayerBytes());
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        window->Label10->setText(kWritten); // an earlier write went through
        const SettingsImage before = window->image();

        c.spoil(window->deviceSettingsPath(), disk.get());
        window->enreg_ostrel->click();

        ASSERT_EQ(rig.messages.shown.size(), 1) << c.what;
        EXPECT_TRUE(rig.messages.shown[0].contains(QString::fromUtf8(c.says)))
            << rig.messages.shown[0].toStdString();
        EXPECT_EQ(window->Label10->text(), StatusLine::kUnsavedWarning) << c.what;
        EXPECT_EQ(window->image(), before) << c.what;
        EXPECT_TRUE(QDir(rig.dataFolder).isEmpty()) << c.what << ": nothing kept for nothing";
        if (std::string(c.what) == "file removed") {
            EXPECT_FALSE(QFile::exists(window->deviceSettingsPath()))
                << "the file is never created";
        }
    }
}

TEST(Write, AFullDiskIsReported) {
    TestRig rig;
    const QString player = rig.addVolume();
    SmallTmpfs disk(player);
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why();
    }
    QFile sparse(player +
                 "/settings.dat"); // holds zeros, a valid file, without room on the disk yet
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(699));
    sparse.close();
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->enreg_ostrel->isEnabled());
    fillUp(player);
    window->Label10->setText(kWritten); // an earlier write went through

    window->enreg_ostrel->click();
    ASSERT_EQ(rig.messages.shown.size(), 1);
    EXPECT_TRUE(rig.messages.shown[0].contains("plein")) << rig.messages.shown[0].toStdString();
    EXPECT_EQ(window->Label10->text(), StatusLine::kUnsavedWarning);
}
