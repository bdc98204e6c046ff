#include "settings/SettingsProbe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
} // namespace

TEST(JoinPath, PutsExactlyOneSeparatorBetweenFolderAndName) {
    const struct {
        const char* folder;
        const char* expected;
    } cases[] = {
        {"/", "/settings.dat"},
        {"/media/OSTREL", "/media/OSTREL/settings.dat"},
        {"/media/OSTREL/", "/media/OSTREL/settings.dat"},
        {"E:\\", "E:\\settings.dat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joinPath(c.folder, "settings.dat"), QString(c.expected)) << c.folder;
    }
}

TEST(SettingsFileIn, FindsTheFileInAnyCaseAndKeepsItsSpelling) {
    for (const char* name : {"settings.dat", "SETTINGS.DAT", "Settings.Dat"}) {
        QTemporaryDir dir;
        touch(dir.filePath(name));
        EXPECT_EQ(settingsFileIn(dir.path()), std::optional<QString>(name)) << name;
    }
}

TEST(SettingsFileIn, FindsAFileWithoutAnyPermission) {
    QTemporaryDir dir;
    touch(dir.filePath("settings.dat"));
    QFile::setPermissions(dir.filePath("settings.dat"), QFileDevice::Permissions());
    EXPECT_TRUE(settingsFileIn(dir.path()).has_value());
}

TEST(SettingsFileIn, FindsNothingWhereThereIsNoSingleSettingsFile) {
    QTemporaryDir empty;
    EXPECT_FALSE(settingsFileIn(empty.path()));

    QTemporaryDir twoSpellings;
    touch(twoSpellings.filePath("settings.dat"));
    touch(twoSpellings.filePath("SETTINGS.DAT"));
    EXPECT_FALSE(settingsFileIn(twoSpellings.path()));

    QTemporaryDir folderNamedLikeIt;
    QDir(folderNamedLikeIt.path()).mkdir("settings.dat");
    EXPECT_FALSE(settingsFileIn(folderNamedLikeIt.path()));

    QTemporaryDir inSubfolder;
    QDir(inSubfolder.path()).mkdir("sub");
    touch(inSubfolder.filePath("sub/settings.dat"));
    EXPECT_FALSE(settingsFileIn(inSubfolder.path()));

    QTemporaryDir pipe; // reading it would wait forever
    ASSERT_EQ(::mkfifo(pipe.filePath("settings.dat").toLocal8Bit().constData(), 0644), 0);
    EXPECT_FALSE(settingsFileIn(pipe.path()));

    QTemporaryDir link; // a write through it would land on another file
    touch(link.filePath("elsewhere.dat"));
    ASSERT_TRUE(QFile::link(link.filePath("elsewhere.dat"), link.filePath("settings.dat")));
    EXPECT_FALSE(settingsFileIn(link.path()));

    QTemporaryDir otherNames;
    touch(otherNames.filePath("settings.dat.bak"));
    touch(otherNames.filePath("xsettings.dat"));
    EXPECT_FALSE(settingsFileIn(otherNames.path()));

    EXPECT_FALSE(settingsFileIn(QString()));
    EXPECT_FALSE(settingsFileIn("/no/such/folder/anywhere"));
}
