// Every write keeps the file it replaces; any entry can be put back.
#include "support/CliRig.h"
#include "support/ValidImages.h"

#include "player/History.h"
#include "player/Volumes.h"
#include "settings/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {
QByteArray validBytes(std::mt19937& random) {
    return randomValidImage(random).fileBytes();
}

QList<QByteArray> keptBytes(const History& history, const QString& player) {
    QList<QByteArray> kept;
    for (const HistoryEntry& entry : history.entries(player)) {
        kept.append(entry.bytes);
    }
    return kept;
}
} // namespace

// The same file is not kept twice in a row; the 101st entry removes the
// oldest; a clock set back never puts a new entry behind an old one; each
// player keeps its own.
TEST(History, KeepsEachReplacedFileOnceAndTheNewestHundred) {
    const QTemporaryDir dir;
    const History history(dir.filePath(QStringLiteral("history")));
    const QString player = QStringLiteral("uuid:1234-ABCD");
    const QString other = QStringLiteral("path:/media/other");
    std::mt19937 random(41);
    QList<QByteArray> files;
    for (int k = 0; k < 102; ++k) {
        files.append(validBytes(random));
    }
    const QDateTime start(QDate(2026, 12, 10), QTime(6, 0), Qt::UTC);

    EXPECT_EQ(history.keep(player, files[0], start), QString());
    EXPECT_EQ(history.keep(player, files[0], start.addSecs(1)), QString());
    EXPECT_EQ(keptBytes(history, player), QList<QByteArray>{files[0]});
    EXPECT_EQ(history.keep(other, files[101], start), QString());
    for (int k = 1; k <= 100; ++k) {
        // The last one as if the clock had been set back an hour.
        const QDateTime now = k < 100 ? start.addSecs(k) : start.addSecs(-3600);
        ASSERT_EQ(history.keep(player, files[k], now), QString()) << k;
    }
    const QList<QByteArray> kept = keptBytes(history, player);
    ASSERT_EQ(kept.size(), History::kEntriesPerPlayer);
    EXPECT_EQ(kept.first(), files[100]);
    EXPECT_EQ(kept.last(), files[1]) << "the oldest went";
    EXPECT_EQ(keptBytes(history, other), QList<QByteArray>{files[101]});
}

// set, import and restore each keep the file they replace; restore gives the
// exact earlier file back, and can itself be undone.
TEST(History, EveryWriteKeepsWhatItReplacesAndRestoreUndoesIt) {
    std::mt19937 random(43);
    Cli cli;
    const QByteArray original = validBytes(random);
    const QString file = cli.put(QStringLiteral("settings.dat"), original);
    ASSERT_EQ(cli.run({"set", file, "contrast=3"}).code, kDone);
    const QByteArray afterSet = contents(file);
    SettingsImage imported;
    imported.load(validBytes(random));
    ASSERT_EQ(cli.run({"import", "-", file}, exportDocument(imported)).code, kDone);

    const Result listed = cli.run({"history", "--volume", cli.path(QString())});
    EXPECT_EQ(listed.code, kDone);
    EXPECT_EQ(listed.out.count(u'\n'), 2) << listed.out.toStdString();
    EXPECT_TRUE(listed.out.split(u'\n')[1].endsWith(QStringLiteral("contrast")))
        << listed.out.toStdString();

    const Result dryRun = cli.run({"restore", "2", file, "--dry-run"});
    EXPECT_EQ(dryRun.code, kDone);
    EXPECT_TRUE(dryRun.out.endsWith(QStringLiteral("rien n'est écrit (--dry-run)\n")));
    EXPECT_EQ(contents(file), imported.fileBytes());

    const struct {
        const char* entry;
        QByteArray gives;
    } steps[] = {
        {"1", afterSet},             // back before the import
        {"1", imported.fileBytes()}, // the restore undone
        {"4", original},             // back before everything
    };
    for (const auto& step : steps) {
        const Result restored = cli.run({"restore", step.entry, file});
        EXPECT_EQ(restored.code, kDone) << step.entry << restored.err.toStdString();
        EXPECT_EQ(contents(file), step.gives) << step.entry;
    }
    const Result shown = cli.run({"history", "--export", "1", "--volume", cli.path(QString())});
    EXPECT_EQ(shown.out.toUtf8(), exportDocument([&] {
                  SettingsImage image;
                  image.load(imported.fileBytes());
                  return image;
              }()));
}

// A history that cannot be kept stops ostrelctl's write, unless told.
TEST(History, AWriteWhoseHistoryCannotBeKeptIsRefused) {
    std::mt19937 random(47);
    Cli cli;
    const QByteArray before = validBytes(random);
    const QString file = cli.put(QStringLiteral("settings.dat"), before);
    cli.history = cli.put(QStringLiteral("not-a-folder"), "x") + QStringLiteral("/history");
    SettingsImage image;
    image.load(validBytes(random));
    const QByteArray document = exportDocument(image);
    for (const QStringList& command :
         {QStringList{"set", file, "contrast=1"}, QStringList{"import", "-", file}}) {
        const Result refused = cli.run(command, document);
        EXPECT_EQ(refused.code, kTrouble) << command.join(u' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("--no-history")))
            << refused.err.toStdString();
        EXPECT_EQ(contents(file), before);
    }
    EXPECT_EQ(cli.run({"import", "-", file, "--no-history"}, document).code, kDone);
    EXPECT_EQ(contents(file), image.fileBytes());
}

// An entry of the wrong size, or one that does not say it is this player's,
// is listed as damaged and never put back.
TEST(History, DamagedEntriesAreListedButNeverRestored) {
    std::mt19937 random(53);
    Cli cli;
    const QString file = cli.put(QStringLiteral("settings.dat"), validBytes(random));
    ASSERT_EQ(cli.run({"set", file, "contrast=2"}).code, kDone);
    const QString folder =
        QDir(cli.history).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot).value(0).filePath();
    const QString kept = QDir(folder).entryInfoList(QDir::Files).value(0).filePath();
    const QByteArray entry = contents(kept);
    cli.put(folder.mid(cli.path(QString()).size() + 1) + "/29990101-000000-000-000.entry",
            entry.left(entry.size() - 1));
    QByteArray otherPlayer = entry;
    otherPlayer.replace("player path", "player uuid%3A0000-path");
    cli.put(folder.mid(cli.path(QString()).size() + 1) + "/29990102-000000-000-000.entry",
            otherPlayer);
    const QByteArray onPlayer = contents(file);

    const Result listed = cli.run({"history", "--volume", cli.path(QString())});
    EXPECT_EQ(listed.out.count(QStringLiteral("endommagée")), 2) << listed.out.toStdString();
    for (const char* damaged : {"1", "2"}) {
        const Result restored = cli.run({"restore", damaged, file});
        EXPECT_EQ(restored.code, kTrouble);
        EXPECT_TRUE(restored.err.contains(QStringLiteral("endommagée")))
            << restored.err.toStdString();
    }
    EXPECT_EQ(contents(file), onPlayer);
    EXPECT_EQ(cli.run({"restore", "3", file}).code, kDone);
}

// A player is its file system's UUID, else its label, when it is the root of
// a mounted volume; else the folder's path. Two players, two histories.
TEST(History, EachPlayerIsKnownByItsFileSystem) {
    const QTemporaryDir dir;
    const QString devices = dir.filePath(QStringLiteral("dev"));
    for (const char* link : {"disk/by-uuid", "disk/by-label"}) {
        QDir().mkpath(devices + u'/' + QLatin1String(link));
    }
    for (const char* device : {"sdb1", "sdc1"}) {
        QFile(devices + u'/' + QLatin1String(device)).open(QIODevice::WriteOnly);
    }
    QFile::link(QStringLiteral("../../sdb1"), devices + QStringLiteral("/disk/by-uuid/1234-ABCD"));
    QFile::link(QStringLiteral("../../sdb1"), devices + QStringLiteral("/disk/by-label/OSTREL"));
    QFile::link(QStringLiteral("../../sdc1"),
                devices + QStringLiteral("/disk/by-label/MY\\x20PLAYER"));
    QFile table(dir.filePath(QStringLiteral("mountinfo")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(QStringLiteral("36 25 8:17 / /media/anne/OSTREL rw - vfat %1/sdb1 rw\n"
                               "37 25 8:33 / /media/anne/MY\\040PLAYER rw - vfat %1/sdc1 rw\n")
                    .arg(devices)
                    .toUtf8());
    table.close();
    const struct {
        const char* root;
        const char* id;
    } cases[] = {
        {"/media/anne/OSTREL/", "uuid:1234-ABCD"},
        {"/media/anne/MY PLAYER", "label:MY PLAYER"},
        {"/home/anne/demo-player/", "path:/home/anne/demo-player"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(playerIdOf(QString::fromUtf8(c.root), table.fileName(), devices + "/disk"),
                  QString::fromUtf8(c.id));
    }

    std::mt19937 random(59);
    Cli cli;
    const QByteArray first = validBytes(random);
    const QByteArray second = validBytes(random);
    QDir(cli.path(QString())).mkpath(QStringLiteral("a"));
    QDir(cli.path(QString())).mkpath(QStringLiteral("b"));
    cli.put(QStringLiteral("a/settings.dat"), first);
    cli.put(QStringLiteral("b/settings.dat"), second);
    ASSERT_EQ(cli.run({"set", "--volume", cli.path("a"), "contrast=1"}).code, kDone);
    ASSERT_EQ(cli.run({"set", "--volume", cli.path("b"), "contrast=2"}).code, kDone);
    const Result exported = cli.run({"history", "--export", "1", "--volume", cli.path("a")});
    SettingsImage image;
    image.load(first);
    EXPECT_EQ(exported.out.toUtf8(), exportDocument(image));
    EXPECT_EQ(cli.run({"history", "--volume", cli.path("b")}).out.count(u'\n'), 1);
}
