// ostrelctl end to end, in process: files in a temporary folder, no real
// mounts, a lock folder of its own.
#include "cli/Ostrelctl.h"
#include "support/CliRig.h"
#include "support/OtherUser.h"

#include "player/History.h"
#include "player/PlayerLock.h"
#include "player/UserFolders.h"
#include "settings/Fields.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"
#include "support/ValidImages.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <random>

namespace {
QByteArray randomBytes(std::mt19937& random) {
    return randomValidImage(random).fileBytes();
}

// Another value than `current`, valid for the setting, as set takes it.
QString otherValue(const NamedSetting& setting, const SettingValue& current) {
    SettingValue other = current;
    switch (setting.kind) {
    case NamedSetting::Kind::Preset:
        other.number = current.number == 101100 ? 95000 : 101100;
        break;
    case NamedSetting::Kind::Option:
        other.number =
            (current.number + 1) %
            static_cast<int>(optionCaptions(static_cast<IndexField>(setting.index)).size());
        break;
    case NamedSetting::Kind::Curve:
        other.bands = {18, -4, -2, 14, 14};
        if (other.bands == current.bands) {
            other.bands[2] = 0;
        }
        break;
    case NamedSetting::Kind::Level:
        other.number = (current.number + 3) % 11;
        break;
    }
    return valueText(setting, other);
}
} // namespace

TEST(Ostrelctl, ExportThenImportIsByteExact) {
    std::mt19937 random(19);
    Cli cli;
    for (int round = 0; round < 40; ++round) {
        const QByteArray original = randomBytes(random);
        const QString source = cli.put(QStringLiteral("source.dat"), original);
        const Result exported = cli.run({QStringLiteral("export"), source});
        ASSERT_EQ(exported.code, kDone) << exported.err.toStdString();

        // Into a file that does not exist yet, and over another valid file.
        const QString created = cli.path(QStringLiteral("created%1.dat").arg(round));
        const QString existing = cli.put(QStringLiteral("existing.dat"), randomBytes(random));
        for (const QString& target : {created, existing}) {
            const Result imported = cli.run({QStringLiteral("import"), QStringLiteral("-"), target},
                                            exported.out.toUtf8());
            ASSERT_EQ(imported.code, kDone) << imported.err.toStdString();
            EXPECT_TRUE(contents(target) == original) << round;
        }
    }
}

TEST(Ostrelctl, SetChangesExactlyTheBytesOfTheNamedSettings) {
    std::mt19937 random(7);
    Cli cli;
    for (const NamedSetting& setting : namedSettings()) {
        const QByteArray before = randomBytes(random);
        SettingsImage image;
        image.load(before);
        const QString value = otherValue(setting, *settingValue(image, setting));
        const QString file = cli.put(QStringLiteral("player.dat"), before);

        const Result result = cli.run({QStringLiteral("set"), file, setting.name + u'=' + value});
        ASSERT_EQ(result.code, kDone) << setting.name.toStdString() << result.err.toStdString();
        const QByteArray after = contents(file);
        ASSERT_EQ(after.size(), before.size());
        const QList<int> owned = settingOffsets(setting);
        for (int offset = 0; offset < before.size(); ++offset) {
            if (!owned.contains(offset)) {
                EXPECT_EQ(after[offset], before[offset])
                    << setting.name.toStdString() << " @" << offset;
            }
        }
        image.load(after);
        EXPECT_EQ(shownText(image, setting), value) << setting.name.toStdString();
        EXPECT_EQ(cli.run({QStringLiteral("check"), file}).code, kDone);
    }
}

TEST(Ostrelctl, SetTakesTheSpellingsAUserTypes) {
    const struct {
        const char* assignment;
        const char* name;
        const char* shown;
    } cases[] = {
        {"fm.C=101,1", "fm.C", "101.1"},
        {"fm.C=  95.2 ", "fm.C", "95.2"},
        {"fm.tuned=g", "fm.tuned", "G"},
        {"fm.tuned=0", "fm.tuned", "A"},
        {"equalizer=live (CONCERT)", "equalizer", "Live (concert)"},
        {"curve.extreme-basses= 3, 0,-1,2 ,5", "curve.extreme-basses", "3,0,-1,2,5"},
        {"contrast=0", "contrast", "0"},
    };
    std::mt19937 random(3);
    Cli cli;
    for (const auto& c : cases) {
        const QString file = cli.put(QStringLiteral("player.dat"), randomBytes(random));
        const Result result =
            cli.run({QStringLiteral("set"), file, QString::fromUtf8(c.assignment)});
        EXPECT_EQ(result.code, kDone) << c.assignment << result.err.toStdString();
        SettingsImage image;
        image.load(contents(file));
        EXPECT_EQ(shownText(image, *namedSetting(QString::fromUtf8(c.name))),
                  QString::fromUtf8(c.shown))
            << c.assignment;
    }
}

TEST(Ostrelctl, RefusedValuesLeaveTheFileUntouched) {
    const QStringList cases[] = {
        {"fm.A=108.1"},
        {"fm.A=abc"},
        {"fm.tuned=U"},
        {"trubass=11"},
        {"son3d=2.5"},
        {"curve.pop=1,2,3"},
        {"curve.pop=1,2,3,4,99"},
        {"equalizer=Blues"},
        {"nosuch=1"},
        {"fm.B=101.1", "contrast=-1"},
        {"fm.B=101.1", "fm.B=102"},
    };
    std::mt19937 random(11);
    Cli cli;
    for (const QStringList& assignments : cases) {
        const QByteArray before = randomBytes(random);
        const QString file = cli.put(QStringLiteral("player.dat"), before);
        for (const bool dryRun : {false, true}) {
            QStringList arguments{QStringLiteral("set"), file};
            arguments += assignments;
            if (dryRun) {
                arguments.append(QStringLiteral("--dry-run"));
            }
            const Result result = cli.run(arguments);
            EXPECT_EQ(result.code, kTrouble) << assignments.join(u' ').toStdString();
            EXPECT_TRUE(result.err.contains(assignments.last())) << result.err.toStdString();
            EXPECT_TRUE(contents(file) == before);
        }
    }
}

TEST(Ostrelctl, RefusedDocumentsLeaveTheFileUntouched) {
    Cli cli;
    std::mt19937 random(5);
    const QByteArray before = randomBytes(random);
    const QString file = cli.put(QStringLiteral("player.dat"), before);
    SettingsImage image;
    image.load(randomBytes(random));
    const QJsonObject good = QJsonDocument::fromJson(exportDocument(image)).object();

    const auto with = [&](const QString& key, const QJsonValue& value) {
        QJsonObject document = good;
        if (key.startsWith(QLatin1String("settings."))) {
            QJsonObject settings = document.value(QStringLiteral("settings")).toObject();
            settings.insert(key.mid(9), value);
            document.insert(QStringLiteral("settings"), settings);
        } else {
            document.insert(key, value);
        }
        return QJsonDocument(document).toJson();
    };
    // Bytes the window would refuse, with no setting to mend them.
    QByteArray outOfRange = image.fileBytes();
    outOfRange[fieldInfo(IndexField::RepeatMode).offset] = 99;
    QJsonObject refusedBytes = good;
    QJsonObject settings = good.value(QStringLiteral("settings")).toObject();
    settings.remove(QStringLiteral("repeat"));
    refusedBytes.insert(QStringLiteral("settings"), settings);
    refusedBytes.insert(QStringLiteral("bytes"), QString::fromLatin1(outOfRange.toHex()));
    // Texts Qt's reader takes without a word: a line end that ends the bytes'
    // pattern and that a hex decoder skips, a key given twice.
    const QByteArray exported = exportDocument(image);
    const QByteArray hex = image.fileBytes().toHex();
    QByteArray shortByAHalf = exported;
    shortByAHalf.replace(hex, hex.left(1397) + "\\n");
    QByteArray twoContrasts = exported;
    twoContrasts.replace("\"contrast\": ", "\"contrast\": 1,\n        \"contrast\": ");
    QByteArray twoBytes = exported;
    twoBytes.replace("\"bytes\": ", "\"bytes\": \"" + hex + "\",\n    \"bytes\": ");
    const struct {
        QByteArray document;
        const char* named; // what the refusal must name
    } cases[] = {
        {shortByAHalf, "bytes"},
        {twoContrasts, "settings.contrast : clé donnée deux fois"},
        {twoBytes, "bytes : clé donnée deux fois"},
        {"not json", "ostrel-settings"},
        {with("format", "something-else"), "ostrel-settings"},
        {with("version", 2), "version"},
        {with("comment", "hello"), "comment"},
        {with("bytes", QString::fromLatin1(image.fileBytes().left(698).toHex())), "bytes"},
        {with("bytes", QString(1398, u'g')), "bytes"},
        {QJsonDocument(refusedBytes).toJson(), "mode de répétition"},
        {with("settings.fm.A", QJsonValue()), "settings.fm.A"},
        {with("settings.fm.Z", "101.1"), "settings.fm.Z"},
        {with("settings.trubass", "5"), "settings.trubass"},
        {with("settings.contrast", 3.5), "settings.contrast"},
        {with("settings.fm.B", "120.0"), "settings.fm.B"},
        {with("settings.curve.rock", QJsonArray{1, 2, 3, 4}), "settings.curve.rock"},
        {with("settings.repeat", "Jamais plus"), "settings.repeat"},
    };
    for (const auto& c : cases) {
        const Result result =
            cli.run({QStringLiteral("import"), QStringLiteral("-"), file}, c.document);
        EXPECT_EQ(result.code, kTrouble) << c.named;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.named))) << result.err.toStdString();
        EXPECT_TRUE(contents(file) == before) << c.named;
    }
}

TEST(Ostrelctl, NothingIsWrittenToAFileTheWindowWouldNotWriteBack) {
    std::mt19937 random(13);
    Cli cli;
    QByteArray bytes = randomBytes(random);
    bytes[fieldInfo(IndexField::UsbMode).offset] = 9;
    const QString refused = cli.put(QStringLiteral("refused.dat"), bytes);
    const QString exported = cli.put(QStringLiteral("doc.json"), exportDocument([&] {
                                         SettingsImage image;
                                         image.load(randomBytes(random));
                                         return image;
                                     }()));
    for (const QStringList& arguments :
         {QStringList{"set", refused, "fm.A=101.1"}, QStringList{"import", exported, refused}}) {
        const Result result = cli.run(arguments);
        EXPECT_EQ(result.code, kNo) << result.err.toStdString();
        EXPECT_TRUE(contents(refused) == bytes);
    }
}

// Whoever holds the player's lock, by whatever name of the file and in
// whichever user's folder root looks into, set and import write nothing and
// say who holds it; a lock that cannot be made stops them too. Reading is
// never held up, and no lock file outlives its holder.
TEST(Ostrelctl, AWriterNeverWritesUnderAnotherHolder) {
    std::mt19937 random(17);
    Cli cli;
    const QByteArray before = randomBytes(random);
    const QString file = cli.put(QStringLiteral("player.dat"), before);
    QDir(cli.path(QString())).mkdir(QStringLiteral("other-name"));
    const QString hardLink = cli.path(QStringLiteral("other-name/settings.dat"));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(hardLink).constData()),
              0);
    const QString linkedFolder = cli.path(QStringLiteral("linked"));
    ASSERT_TRUE(QFile::link(cli.path(QString()), linkedFolder));
    const QString notAFolder = cli.put(QStringLiteral("not-a-folder"), "x");

    using Holder = PlayerLock::Holder;
    const struct {
        const char* what;
        QString heldAs; // the name the holder opened; none: nobody holds it
        Holder holder;
        QString lockFolder;
        const char* said;
    } cases[] = {
        {"window", file, Holder::Window, cli.lockFolder(), "fenêtre"},
        {"window by a hard link", hardLink, Holder::Window, cli.lockFolder(), "fenêtre"},
        {"window by a linked folder", linkedFolder + "/player.dat", Holder::Window,
         cli.lockFolder(), "fenêtre"},
        {"command", file, Holder::Command, cli.lockFolder(), "autre commande"},
        {"no lock folder", QString(), Holder::Window, notAFolder + "/run", "verrou"},
    };
    for (const auto& c : cases) {
        std::optional<PlayerLock> holder;
        if (!c.heldAs.isEmpty()) {
            holder.emplace(cli.lockFolder(), c.heldAs, c.holder);
            ASSERT_EQ(holder->take(), PlayerLock::Outcome::Taken) << c.what;
        }
        cli.locks = {c.lockFolder};
        const Result set = cli.run({QStringLiteral("set"), file, QStringLiteral("contrast=1")});
        EXPECT_EQ(set.code, kTrouble) << c.what;
        EXPECT_TRUE(set.err.contains(QString::fromUtf8(c.said))) << set.err.toStdString();
        const Result imported =
            cli.run({QStringLiteral("import"), QStringLiteral("-"), hardLink}, exportDocument([] {
                        std::mt19937 other(1);
                        return randomValidImage(other);
                    }()));
        EXPECT_EQ(imported.code, kTrouble) << c.what;
        EXPECT_TRUE(contents(file) == before) << c.what;
        EXPECT_EQ(cli.run({QStringLiteral("show"), file}).code, kDone) << c.what;
    }
    EXPECT_EQ(QDir(cli.lockFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// cron, su, sudo and ssh sessions may lack XDG_RUNTIME_DIR: every process of
// the user must still find the same lock.
TEST(Ostrelctl, TheLockFolderDoesNotDependOnTheEnvironment) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QTemporaryDir another;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(another.path()));
    const QString withOther = userFolders(UserIds::ofProcess()).locks.own;
    qunsetenv("XDG_RUNTIME_DIR");
    const QString without = userFolders(UserIds::ofProcess()).locks.own;
    if (saved.isNull()) {
        qunsetenv("XDG_RUNTIME_DIR");
    } else {
        qputenv("XDG_RUNTIME_DIR", saved);
    }
    EXPECT_EQ(withOther, without);
    EXPECT_EQ(userFolders(UserIds::ofProcess()).locks.own, without);
}

// The lock folder is one that no other user can make first (which would
// refuse every write for good): the runtime folder the system made for the
// user, else one in the user's home. One that someone else owns is refused.
TEST(PlayerLock, NoOtherUserCanMakeOrOwnTheLockFolder) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving folders to other users needs root";
    }
    QTemporaryDir dir;
    const QString run = dir.filePath("run"), home = dir.filePath("home");
    for (const QString& folder : {run + "/0", run + "/4242", dir.filePath("squatted")}) {
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), folder.endsWith('0') ? 0 : 9, 9),
                  0);
    }
    EXPECT_EQ(PlayerLock::folderFor({0, 0, home}, run), run + "/0");
    EXPECT_EQ(PlayerLock::folderFor({4242, 1, home}, run), home + "/.local/state/ostrel-settings");
    PlayerLock lock(dir.filePath("squatted"), dir.filePath("s.dat"), PlayerLock::Holder::Command);
    EXPECT_EQ(lock.take(), PlayerLock::Outcome::Unavailable);
    EXPECT_TRUE(QDir(dir.filePath("squatted")).isEmpty());
}

// A lock that cannot be made says why in the user's terms, naming what
// stands in its way, never by a system error number.
TEST(PlayerLock, ALockFolderProblemIsSaidForWhatItIs) {
    QTemporaryDir dir;
    const QString file = dir.filePath("file"), link = dir.filePath("link"),
                  settings = dir.filePath("s.dat");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly) && QFile::link(dir.filePath("none"), link));
    ASSERT_TRUE(QDir().mkpath(PlayerLock::pathFor(dir.filePath("folder"), settings)));
    const struct {
        QString folder, names;
    } cases[] = {
        {file, file},
        {file + "/run", file},
        {link, link},
        {dir.filePath("folder"), PlayerLock::pathFor(dir.filePath("folder"), settings)},
    };
    for (const auto& c : cases) {
        PlayerLock lock(c.folder, settings, PlayerLock::Holder::Command);
        EXPECT_EQ(lock.take(), PlayerLock::Outcome::Unavailable) << c.folder.toStdString();
        EXPECT_TRUE(lock.problem().contains(c.names) && !lock.problem().contains("n°"))
            << lock.problem().toStdString();
    }
}

// Root, through sudo or not, never writes under the window of a user who
// could write the player's file, and ignores the lock of one who could not
// (any user could otherwise stop root for good). Root's window stops a
// user's command, and a window that locked in the home stops a command
// started once the runtime folder came. A refusal names someone else's
// holder. Through sudo, the lock and history are the user's, in files the
// user owns.
TEST(PlayerLock, ALockCountsOnlyFromAHolderWhoCouldWriteThePlayer) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "acting as other users needs root";
    }
    enum Who { Root, User, Stranger, Sudo };
    const struct {
        const char* what;
        Who holder, writer;
        int code;
        const char* names = "";
        bool runtimeFolderAfter = false;
    } cases[] = {
        {"the window of a user who could write it, seen by root", User, Root, kTrouble,
         "fenêtre d'ostrel-settings de l'utilisateur 4242"},
        {"the window of a user who could not", Stranger, Root, kDone},
        {"root's window, seen by a user", Root, User, kTrouble,
         "fenêtre d'ostrel-settings de root"},
        {"the user's window, seen through sudo", User, Sudo, kTrouble, "dans la fenêtre"},
        {"a window from before the runtime folder", User, User, kTrouble, "dans la fenêtre", true},
    };
    std::mt19937 random(23);
    for (const auto& c : cases) {
        Cli cli;
        const UserAccount users[] = {{0, 0, cli.path("root")},
                                     otherUser(cli.path(QString())),
                                     otherUser(cli.path(QString()), 4343)};
        const auto as = [&](Who who) {
            return users[who == Sudo ? User : who];
        };
        const QString run = cli.path("run"), roots = cli.path("roots"),
                      file = cli.put("settings.dat", randomBytes(random));
        ASSERT_TRUE(QDir().mkpath(run) && giveTo(file, 4242));
        const auto folders = [&](Who who) {
            const uid_t uid = who == Sudo ? 0 : as(who).uid;
            const auto account = [&](uid_t id) {
                return users[id == 0 ? 0 : id == 4242 ? 1 : 2];
            };
            const auto all = [&] {
                return QList<UserAccount>(std::begin(users), std::end(users));
            };
            return userFolders({uid, uid, who == Sudo ? "4242" : "", account, all}, run, roots);
        };
        std::optional<PlayerLock> window;
        {
            const ActingAs holder(as(c.holder).credentials());
            window.emplace(folders(c.holder).locks, file, PlayerLock::Holder::Window);
            ASSERT_EQ(window->take(), PlayerLock::Outcome::Taken) << c.what;
        }
        if (c.runtimeFolderAfter) {
            ASSERT_TRUE(QDir().mkdir(run + "/4242") && giveTo(run + "/4242", 4242));
        }
        cli.locks = folders(c.writer).locks;
        cli.history = historyFolderIn(as(c.writer).home + "/.local/share/ostrel-settings");
        const ActingAs asWriter(as(c.writer).credentials());
        const Result set = cli.run({"set", file, "contrast=3"});
        EXPECT_EQ(set.code, c.code) << c.what << set.err.toStdString();
        EXPECT_TRUE(set.err.contains(QString::fromUtf8(c.names)))
            << c.what << set.err.toStdString();
        if (c.writer == Sudo) {
            window.reset();
            EXPECT_EQ(cli.run({"set", file, "contrast=3"}).code, kDone);
            EXPECT_EQ(History(cli.history).everyPlayer().size(), 1);
            EXPECT_EQ(notOwnedBy(users[User].home, 4242), QStringList());
            EXPECT_EQ(QDir(roots).entryList(QDir::Files | QDir::Hidden), QStringList());
        }
    }
}

// What a command cannot do is said for what it is.
TEST(Ostrelctl, EachMistakeIsNamedForWhatItIs) {
    std::mt19937 random(31);
    Cli cli;
    // A mistyped setting first, no file named: an unknown setting, not a
    // missing file.
    const Result mistyped =
        cli.run({QStringLiteral("set"), QStringLiteral("fm.Z=101.1"), QStringLiteral("repeat=1")});
    EXPECT_EQ(mistyped.code, kTrouble);
    EXPECT_TRUE(mistyped.err.contains(QStringLiteral("fm.Z=101.1 : réglage inconnu")))
        << mistyped.err.toStdString();

    // Only bytes outside every setting would change: say how many.
    const QByteArray before = randomBytes(random);
    const QString file = cli.put(QStringLiteral("player.dat"), before);
    SettingsImage image;
    image.load(before);
    image.setByte(5, static_cast<std::uint8_t>(image.byte(5) ^ 1));
    image.setByte(6, static_cast<std::uint8_t>(image.byte(6) ^ 1));
    const Result dryRun =
        cli.run({QStringLiteral("import"), QStringLiteral("-"), file, QStringLiteral("--dry-run")},
                exportDocument(image));
    EXPECT_EQ(dryRun.code, kDone);
    EXPECT_TRUE(dryRun.out.startsWith(QStringLiteral("2 octets diffèrent")))
        << dryRun.out.toStdString();
    EXPECT_TRUE(contents(file) == before);

    // A mount point whose name is not UTF-8 is named as passed by.
    const QByteArray odd = QFile::encodeName(cli.path(QStringLiteral("r"))) + "\xe9glages";
    ASSERT_EQ(::mkdir(odd.constData(), 0755), 0);
    QFile table(cli.path(QStringLiteral("mountinfo")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("36 25 8:17 / " + QByteArray(odd).replace("\xe9", "\\351") +
                " rw - vfat /dev/sdb1 rw\n");
    table.close();
    const Result found = cli.run({QStringLiteral("find")});
    EXPECT_EQ(found.code, kNo);
    EXPECT_TRUE(found.err.contains(QStringLiteral("UTF-8"))) << found.err.toStdString();
    ::rmdir(odd.constData());
}

TEST(Ostrelctl, DiffNamesEachSettingThenCountsTheOtherBytes) {
    std::mt19937 random(23);
    Cli cli;
    QByteArray a = randomBytes(random);
    const QString first = cli.put(QStringLiteral("a.dat"), a);
    EXPECT_EQ(cli.run({QStringLiteral("diff"), first, first}).code, kDone);

    SettingsImage image;
    image.load(a);
    const QString before = shownText(image, *namedSetting(QStringLiteral("fm.D")));
    a[layout::presetOffset(3) + 1] = static_cast<char>(a[layout::presetOffset(3) + 1] ^ 0x04);
    a[5] = static_cast<char>(a[5] ^ 1); // a byte the editor does not know
    image.load(a);
    const QString second = cli.put(QStringLiteral("b.dat"), a);
    const Result result =
        cli.run({QStringLiteral("diff"), first, second, QStringLiteral("--bytes")});
    EXPECT_EQ(result.code, kNo);
    EXPECT_EQ(result.out,
              QStringLiteral("fm.D : %1 -> %2\n1 autre octet diffère\noctet 5 : %3 -> %4\n")
                  .arg(before, shownText(image, *namedSetting(QStringLiteral("fm.D"))))
                  .arg(static_cast<quint8>(a[5] ^ 1), 2, 16, QChar(u'0'))
                  .arg(static_cast<quint8>(a[5]), 2, 16, QChar(u'0')));
}

TEST(Ostrelctl, CommandsWithoutAFileUseThePlayerFoundOnTheVolumes) {
    Cli cli;
    QDir(cli.path(QString())).mkpath(QStringLiteral("player"));
    const QString volume = cli.path(QStringLiteral("player"));
    EXPECT_EQ(cli.run({QStringLiteral("find"), QStringLiteral("--volume"), volume}).code, kNo);

    std::mt19937 random(29);
    const QString file = cli.put(QStringLiteral("player/SETTINGS.DAT"), randomBytes(random));
    const Result found = cli.run({QStringLiteral("find"), QStringLiteral("--volume"), volume});
    EXPECT_EQ(found.code, kDone);
    EXPECT_EQ(found.out, file + u'\n');
    EXPECT_EQ(cli.run({QStringLiteral("--volume=") + volume, QStringLiteral("set"),
                       QStringLiteral("contrast=2")})
                  .code,
              kDone);
    SettingsImage image;
    image.load(contents(file));
    EXPECT_EQ(levelOf(image, LevelField::Contrast), 2);
}

TEST(Ostrelctl, BadUsageExitsWithTwo) {
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"show", "--colour"},
        {"show", "a", "b"},
        {"diff"},
        {"check", "--bytes"},
        {"set"},
        {"import"},
        {"find", "--volume"},
        {"show", "/no/such/file"},
        {"check", "/"},
        {"diff", "/no/such/file", "/"},
    };
    Cli cli;
    for (const QStringList& arguments : cases) {
        const Result result = cli.run(arguments);
        EXPECT_EQ(result.code, kTrouble) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
        EXPECT_TRUE(result.out.isEmpty());
    }
    for (const char* command : {"find", "show", "check", "diff", "set", "export", "import"}) {
        const Result help = cli.run({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(help.code, kDone);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage : ostrelctl ") + command));
    }
}
