// Every write keeps the file it replaces; any entry can be put back.
#include "support/CliRig.h"
#include "support/ValidImages.h"

#include "player/History.h"
#include "player/Volumes.h"
#include "settings/FieldLayout.h"
#include "settings/SettingsDocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray validBytes(std::mt19937& random) {
    return randomValidImage(random).fileBytes();
}

QList<QByteArray> keptBytes(const History& history, const PlayerIdentity& player) {
    QList<QByteArray> kept;
    for (const HistoryEntry& entry : history.entries(player)) {
        kept.append(entry.bytes);
    }
    return kept;
}
} // namespace

// The same file is not kept twice in a row; the 101st entry removes the
// oldest; entries stay in the order they were kept whatever the clock says
// (set back, set far ahead, or after a first-history entry dated in the
// future), each under a name and an id of its own; each player keeps its
// own, whatever the length of its folder's name.
TEST(History, KeepsEachReplacedFileOnceAndTheNewestHundred) {
    const QTemporaryDir dir;
    const History history(dir.filePath(QStringLiteral("history")));
    const PlayerIdentity player{QString(), QStringLiteral("1234-ABCD"), {}, {}};
    const PlayerIdentity other{
        {}, {}, {}, "/media/" + QString(650, QChar(0x00e9)) + "/é/" + QString(300, u'x')};
    std::mt19937 random(41);
    QList<QByteArray> files;
    for (int k = 0; k < 103; ++k) {
        files.append(validBytes(random));
    }
    const QDateTime start(QDate(2026, 12, 10), QTime(6, 0), Qt::UTC);
    // An entry of the first history, dated in the future, its name's counter at its end.
    const QString first = dir.filePath(
        "history/" +
        QString::fromLatin1(
            QCryptographicHash::hash("uuid:1234-ABCD", QCryptographicHash::Sha1).toHex().left(16)));
    QDir().mkpath(first);
    writeFile(first + "/29991231-235959-999-998.entry",
              "ostrel-settings history 1\nplayer uuid%3A1234-ABCD\nkept 2999-12-31T23:59:59.999Z"
              "\n\n" +
                  files[102]);

    EXPECT_EQ(history.keep(player, files[0], start), QString());
    EXPECT_EQ(history.keep(player, files[0], start.addSecs(1)), QString());
    EXPECT_EQ(keptBytes(history, player), (QList<QByteArray>{files[0], files[102]}));
    EXPECT_EQ(history.keep(other, files[101], start), QString());
    for (int k = 1; k <= 100; ++k) {
        const QDateTime now = k % 3 == 0 ? start.addYears(900) : start.addSecs(-k);
        ASSERT_EQ(history.keep(player, files[k], now), QString()) << k;
    }
    const QList<HistoryEntry> kept = history.entries(player);
    ASSERT_EQ(kept.size(), History::kEntriesPerPlayer);
    QSet<QString> ids;
    for (int k = 0; k < kept.size(); ++k) {
        EXPECT_EQ(kept[k].bytes, files[100 - k]) << k;
        ids.insert(kept[k].id);
        EXPECT_EQ(history.find(kept[k].id)->bytes, kept[k].bytes);
    }
    EXPECT_EQ(ids.size(), kept.size());
    EXPECT_EQ(keptBytes(history, other), QList<QByteArray>{files[101]});
    EXPECT_TRUE(history.entries(other)[0].restorable());
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
    // Entry 2 now, entry 4 after two more writes: its id does not change.
    const QString originalId = listed.out.split(u'\n')[1].split(u' ', Qt::SkipEmptyParts)[1];

    const Result dryRun = cli.run({"restore", "2", file, "--dry-run"});
    EXPECT_EQ(dryRun.code, kDone);
    EXPECT_TRUE(dryRun.out.endsWith(QStringLiteral("rien n'est écrit (--dry-run)\n")));
    EXPECT_EQ(contents(file), imported.fileBytes());

    const struct {
        QString entry;
        QByteArray gives;
    } steps[] = {
        {"1", afterSet},             // back before the import
        {"1", imported.fileBytes()}, // the restore undone
        {originalId, original},      // back before everything
    };
    for (const auto& step : steps) {
        const Result restored = cli.run({"restore", step.entry, file});
        EXPECT_EQ(restored.code, kDone) << restored.err.toStdString();
        EXPECT_EQ(contents(file), step.gives) << step.entry.toStdString();
    }
    EXPECT_TRUE(cli.run({"restore", originalId, file}).out.contains(originalId));
    const Result shown = cli.run({"history", "--export", "1", "--volume", cli.path(QString())});
    EXPECT_EQ(shown.out.toUtf8(), exportDocument([&] {
                  SettingsImage image;
                  image.load(imported.fileBytes());
                  return image;
              }()));
}

// A history that cannot be kept stops ostrelctl's write, unless told
// (--no-history); told or not, what can be kept is kept. A write refused
// before the player is touched (a link) keeps nothing.
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

    cli.history = cli.path(QStringLiteral("history"));
    const auto kept = [&] {
        return History(cli.history).entries(folderIdentity(cli.path("")));
    };
    EXPECT_EQ(cli.run({"set", file, "contrast=2", "--no-history"}).code, kDone);
    EXPECT_EQ(kept().size(), 1);
    ASSERT_TRUE(QFile::link(file, cli.path(QStringLiteral("link.dat"))));
    EXPECT_EQ(cli.run({"set", cli.path(QStringLiteral("link.dat")), "contrast=3"}).code, kTrouble);
    EXPECT_EQ(kept().size(), 1);
}

// A player's file cut short or grown is when restore is most needed: the
// damaged file is kept as it is (and never put back; an empty one is not
// kept, nor said to be), then replaced whole.
TEST(History, RestoreRepairsADamagedPlayerFile) {
    for (const int size : {300, 750, 0}) {
        std::mt19937 random(size);
        Cli cli;
        QByteArray good = validBytes(random);
        good[layout::Contrast] = 0; // so that contrast=1 changes it
        const QString file = cli.put(QStringLiteral("settings.dat"), good);
        ASSERT_EQ(cli.run({"set", file, "contrast=1"}).code, kDone);
        const QByteArray damaged = (good + QByteArray(60, 'x')).left(size);
        cli.put(QStringLiteral("settings.dat"), damaged);

        const Result restored = cli.run({"restore", "1", file});
        EXPECT_EQ(restored.code, kDone) << size << restored.err.toStdString();
        EXPECT_EQ(contents(file), good) << size;
        EXPECT_EQ(restored.out.contains("gardé dans"), size > 0) << restored.out.toStdString();
        const QList<HistoryEntry> kept =
            History(cli.history).entries(folderIdentity(cli.path(QString())));
        ASSERT_EQ(kept.size(), size > 0 ? 2 : 1) << size;
        EXPECT_EQ(kept[0].bytes, size > 0 ? damaged : kept[0].bytes);
        EXPECT_EQ(cli.run({"restore", "1", file}).code, size > 0 ? kTrouble : kDone) << size;
    }
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
    cli.put(folder.mid(cli.path(QString()).size() + 1) + "/0000000009-zzzzzz.entry",
            entry.left(entry.size() - 1));
    QByteArray otherPlayer = entry;
    otherPlayer.replace("\npath ", "\npath %2Fother");
    cli.put(folder.mid(cli.path(QString()).size() + 1) + "/0000000008-yyyyyy.entry", otherPlayer);
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

// A player is its disk's serial, else its file system's UUID, else its
// label and folder; only the folder for a folder that is no mounted volume.
// Where udev made no links, the kernel tells: sysfs, the FAT volume serial
// of the mounted folder, the device probed.
// Clones (one label, one volume serial, two disks) have two histories, and
// one's entry goes onto the other only when asked. A player reached by
// another spelling of its folder keeps one history.
TEST(History, EachPlayerIsKnownByWhatIsMostItsOwn) {
    const QTemporaryDir dir;
    const QString devices = dir.filePath(QStringLiteral("dev"));
    for (const char* link : {"disk/by-id", "disk/by-uuid", "disk/by-label"}) {
        QDir().mkpath(devices + u'/' + QLatin1String(link));
    }
    const auto device = [&](const char* name, QStringList links) {
        QFile(devices + u'/' + QLatin1String(name)).open(QIODevice::WriteOnly);
        for (const QString& link : links) {
            QFile::link("../../" + QLatin1String(name), devices + "/disk/" + link);
        }
    };
    device("sdb1", {"by-id/usb-Ostrel_A1-0:0-part1", "by-uuid/1234-ABCD", "by-label/OSTREL"});
    device("sdc1", {"by-id/usb-Ostrel_B2-0:0-part1", "by-uuid/1234-ABCD", "by-label/OSTREL"});
    device("sdd1", {"by-uuid/5678-EF01", "by-label/MY\\x20PLAYER"});
    device("sde1", {"by-label/NOUUID"});
    for (const char* name : {"sdf1", "sdg1", "sdh1"}) {
        device(name, {});
    }
    const QString sys = dir.filePath("sys"), usb = sys + "/devices/usb1/1-1";
    QDir().mkpath(usb + "/host0/block/sdf/sdf1");
    QDir().mkpath(sys + "/dev/block");
    QFile::link(usb + "/host0/block/sdf/sdf1", sys + "/dev/block/8:81");
    QFile serial(usb + "/serial");
    ASSERT_TRUE(serial.open(QIODevice::WriteOnly) && serial.write("A1B2\n") == 5);
    serial.close();
    const KernelFacts kernel{sys,
                             [](const QString& folder) {
                                 return folder == "/mnt/g" ? std::optional<quint32>(0x1234abcd)
                                                           : std::nullopt;
                             },
                             [](const QString& device) {
                                 return device.endsWith("sdh1")
                                            ? std::pair<QString, QString>{"9999-0000", "OST"}
                                            : std::pair<QString, QString>{};
                             }};
    QFile table(dir.filePath(QStringLiteral("mountinfo")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    for (const char* mount :
         {"8:17 / /media/a/OSTREL rw - vfat %1/sdb1", "8:33 / /media/a/OSTREL1 rw - vfat %1/sdc1",
          "8:49 / /media/a/MY\\040PLAYER rw - vfat %1/sdd1", "8:65 / /mnt/n rw - vfat %1/sde1",
          "8:81 / /mnt/f rw - vfat %1/sdf1", "8:97 / /mnt/g rw - vfat %1/sdg1",
          "8:113 / /mnt/h rw - ext4 %1/sdh1"}) {
        table.write(
            QStringLiteral("36 25 %1 rw\n").arg(QString::fromUtf8(mount).arg(devices)).toUtf8());
    }
    table.close();
    const auto key = [&](const char* root) {
        return playerIdentityOf(QString::fromUtf8(root), table.fileName(), devices + "/disk",
                                kernel)
            .key();
    };
    EXPECT_EQ(key("/media/a/OSTREL/"), "serial:usb-Ostrel_A1-0:0");
    EXPECT_EQ(key("/media/a/OSTREL1"), "serial:usb-Ostrel_B2-0:0");
    EXPECT_EQ(key("/media/a/MY PLAYER"), "uuid:5678-EF01");
    EXPECT_EQ(key("/mnt/n"), "label:NOUUID path:/mnt/n");
    EXPECT_EQ(key("/mnt/f"), "serial:A1B2");
    EXPECT_EQ(key("/mnt/g"), "uuid:1234-ABCD");
    EXPECT_EQ(key("/mnt/h"), "uuid:9999-0000");
    EXPECT_EQ(key(QFile::encodeName(dir.path()).constData()), "path:" + dir.path());

    std::mt19937 random(59);
    Cli cli;
    for (const char* player : {"a", "b"}) {
        QDir(cli.path(QString())).mkpath(QLatin1String(player));
        cli.put(QLatin1String(player) + "/settings.dat", validBytes(random));
        ASSERT_EQ(cli.run({"set", "--volume", cli.path(player), "contrast=1"}).code, kDone);
    }
    ASSERT_TRUE(QFile::link(cli.path("b"), cli.path("linked-b")));
    const Result ofB = cli.run({"history", cli.path("linked-b/settings.dat")});
    EXPECT_EQ(ofB.out, cli.run({"history", "--volume", cli.path("b")}).out);
    const QString idOfB = ofB.out.split(u' ', Qt::SkipEmptyParts).value(1);
    const QByteArray onA = contents(cli.path("a/settings.dat"));
    EXPECT_EQ(cli.run({"restore", idOfB, cli.path("a/settings.dat")}).code, kTrouble);
    EXPECT_EQ(contents(cli.path("a/settings.dat")), onA);
    EXPECT_EQ(cli.run({"restore", idOfB, cli.path("a/settings.dat"), "--other-player"}).code,
              kDone);
}
