// The built ostrelctl as sudo starts it, for a throw-away local user: every
// file read and made as that user, with that user's groups; root's rights
// only to write a player's file the user cannot write, where no one else can
// change its path. The race runs a bounded loop against a swapper.
#include "player/History.h"
#include "settings/SettingsDocument.h"
#include "support/CliRig.h"
#include "support/OtherUser.h"
#include "support/ValidImages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <stdio.h>

namespace {
QByteArray validBytes(unsigned seed) {
    std::mt19937 random(seed);
    return randomValidImage(random).fileBytes();
}

class Sudo : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP() << "acting for another user needs root";
        }
        ASSERT_TRUE(user.made());
    }
    // sudo starts a program as root, with root's groups (group 0 among them).
    // A program that became another user can no longer be stopped by the leak
    // checker of a sanitized build (it is not dumpable): the checker is off.
    Spawned asSudo(const QList<QByteArray>& argv, const QList<QByteArray>& environment = {}) {
        static const gid_t rootGroup = 0;
        EXPECT_EQ(::setgroups(1, &rootGroup), 0);
        return spawn(argv.first().startsWith('/') ? argv : QList<QByteArray>{OSTREL_CTL} + argv,
                     {.environment = environment + user.sudo() +
                                     QList<QByteArray>{"ASAN_OPTIONS=detect_leaks=0"}});
    }
    // A file (a folder when `bytes` is null) of `owner`'s, with `mode`.
    QByteArray made(const QString& path, uid_t owner, mode_t mode, const QByteArray& bytes = {}) {
        QFile file(path);
        const bool ok = bytes.isNull() ? QDir().mkpath(path)
                                       : file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0;
        file.close();
        EXPECT_TRUE(ok && giveTo(path, owner, mode)) << path.toStdString();
        return QFile::encodeName(path);
    }
    QTemporaryDir dir;
    const LocalUser user{dir.path()};
};
} // namespace

// A user who swaps the player's file and a link to a file of root's, in a
// loop, gets neither root's mode on that file (a mode is changed through
// the open player's file, by root too) nor its bytes in the history (every
// file is read as the user).
TEST_F(Sudo, ALinkSwappedInLendsNeitherRootsModeNorRootsBytes) {
    const QByteArray secret = made(dir.filePath("secret"), 0, 0600, QByteArray(900, 'S'));
    const QString volume = user.home + "/volume";
    made(volume, user.uid, 0755);
    const QByteArray file = made(volume + "/settings.dat", user.uid, 04755, validBytes(1));
    const QByteArray link = QFile::encodeName(volume + "/swap");
    ASSERT_EQ(::symlink(secret.constData(), link.constData()), 0);
    ASSERT_EQ(asSudo({"set", file, "contrast=1"}).code, 0); // an entry to put back
    const QString history = user.home + "/.local/share/ostrel-settings/history";
    const QByteArray id = History(history).everyPlayer().value(0).value(0).id.toUtf8();
    const int playersFile = ::open(file.constData(), O_RDWR); // whatever its name
    {
        const auto swapper = user.repeating([&] {
            ::renameat2(AT_FDCWD, file.constData(), AT_FDCWD, link.constData(), RENAME_EXCHANGE);
        });
        for (int run = 0; run < 250; ++run) {
            ASSERT_EQ(::ftruncate(playersFile, 10), 0); // damaged: restore repairs it
            asSudo({"restore", id, file});
            const QList<QByteArray> set{"--volume", QFile::encodeName(volume), "set",
                                        run % 2 ? "fm.B=101.1" : "fm.B=99.5"};
            asSudo(set);
            spawn(QList<QByteArray>{OSTREL_CTL} + set, // root's own write, and root's history
                  {.environment = {"XDG_DATA_HOME=" + QFile::encodeName(dir.filePath("root"))}});
        }
    }
    ::close(playersFile);
    EXPECT_EQ(QFileInfo(secret).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ReadUser | QFileDevice::WriteUser);
    for (QDirIterator it(history, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        EXPECT_FALSE(contents(it.next()).contains(QByteArray(64, 'S')))
            << it.filePath().toStdString();
    }
}

// Through sudo, files are made as the user, folders are entered with the
// user's groups (not root's), a player is looked for as the user would find
// it, and root's rights write only a player's file in folders that only
// root can change; a write refused so keeps nothing.
TEST_F(Sudo, EverythingAsTheUserRootsRightsOnlyWhereOnlyRootCanChangeThePath) {
    char rootsOnly[] = "/run/ostrel-sudo-test-XXXXXX"; // every folder up to "/" root's alone
    ASSERT_TRUE(::mkdtemp(rootsOnly) && giveTo(rootsOnly, 0, 0755));
    const QString roots = QString::fromLatin1(rootsOnly), home = user.home;
    made(roots + "/root", 0, 0755);
    made(roots + "/open", 0, 0777);
    made(home + "/volume", user.uid, 0755);
    made(dir.filePath("media/other"), 4343, 0700); // another user's disk, mounted for them
    made(dir.filePath("media/other/player"), 0, 0755);
    made(dir.filePath("disk"), 0, 0755);
    const QString own = home + "/volume/settings.dat", newFile = home + "/new.dat",
                  disk = dir.filePath("disk/settings.dat");
    for (const QString& file : {roots + "/root/settings.dat", roots + "/open/settings.dat", disk}) {
        made(file, 0, 0644, validBytes(2));
    }
    made(own, user.uid, 0644, validBytes(2));
    SettingsImage image;
    image.load(validBytes(3));
    const QByteArray document = made(home + "/doc.json", user.uid, 0644, exportDocument(image));
    const QByteArray group = made(dir.filePath("root-group"), 0, 0770);
    made(home + "/data/ostrel-settings", user.uid, 0755);
    ASSERT_EQ(::symlink(group, QFile::encodeName(home + "/data/ostrel-settings/history")), 0);
    const QByteArray mount = "mount --bind " + QFile::encodeName(dir.filePath("disk")) + ' ' +
                             QFile::encodeName(dir.filePath("media/other/player")) +
                             " && exec \"$0\" \"$@\"";

    const struct {
        const char* what;
        QList<QByteArray> argv;
        int code;
        QString file; // the one file the command may change
        bool changed;
        QList<QByteArray> environment = {};
    } cases[] = {
        {"a new file", {"import", document, QFile::encodeName(newFile)}, 0, newFile, true},
        {"a folder of root's group",
         {"set", QFile::encodeName(own), "contrast=3"},
         2,
         own,
         false,
         {"XDG_DATA_HOME=" + QFile::encodeName(home + "/data")}},
        {"a player's file in root's folders",
         {"set", QFile::encodeName(roots + "/root/settings.dat"), "contrast=3"},
         0,
         roots + "/root/settings.dat",
         true},
        {"a player's file in a folder others can change",
         {"set", QFile::encodeName(roots + "/open/settings.dat"), "contrast=3"},
         2,
         roots + "/open/settings.dat",
         false},
        {"another user's disk",
         {"/usr/bin/unshare", "-m", "--propagation", "private", "/bin/sh", "-c", mount, OSTREL_CTL,
          "--volume", QFile::encodeName(home + "/volume"), "find"},
         0,
         disk,
         false},
    };
    Spawned run;
    for (const auto& c : cases) {
        const QByteArray before = contents(c.file);
        run = asSudo(c.argv, c.environment);
        EXPECT_EQ(run.code, c.code) << c.what << ": " << run.err.toStdString();
        EXPECT_EQ(contents(c.file) != before, c.changed) << c.what;
    }
    EXPECT_EQ(QFileInfo(newFile).ownerId(), user.uid);
    EXPECT_TRUE(QDir(group).isEmpty());
    EXPECT_EQ(History(home + "/.local/share/ostrel-settings/history").everyPlayer().size(), 1);
    EXPECT_EQ(run.out.trimmed(), QFile::encodeName(own)) << "found as the user finds it";
    QDir(roots).removeRecursively();
}
