// The backup beside the program, or in the user's data folder: saving it,
// loading it, and where the following reloads and writes go.
#include "support/SmallTmpfs.h"
#include "support/TestRig.h"
#include "support/ValidImages.h"

#include "app/StatusLine.h"
#include "radio/FmPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
QByteArray otherValidBytes(unsigned seed) {
    std::mt19937 random(seed);
    return randomValidImage(random).fileBytes();
}
} // namespace

TEST(Backup, SaveWritesTheImageBesideTheProgramAndEnablesReading) {
    for (const int oldSize : {-1, 100, 900}) {
        TestRig rig;
        rig.addPlayer(validPlayerBytes());
        if (oldSize >= 0) {
            rig.putBesideProgram("settings.dat", QByteArray(oldSize, '\x01'));
        }
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(window->Command2->isEnabled(), oldSize >= 0);

        window->Command8->click();
        EXPECT_EQ(readFile(rig.programFolder + "/settings.dat"), validPlayerBytes()) << oldSize;
        EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier sauvegardé"));
        EXPECT_TRUE(window->Command2->isEnabled());
        EXPECT_TRUE(rig.messages.shown.isEmpty());
    }
}

TEST(Backup, AFailedSaveChangesNeitherTheButtonNorTheOldBackup) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    SmallTmpfs disk(rig.programFolder);
    const QByteArray oldBackup(50, '\x33'); // too short to be a backup: the button starts disabled
    if (disk.mounted()) {
        rig.putBesideProgram("settings.dat", oldBackup);
        ASSERT_TRUE(disk.remountReadOnly());
    } else {
        rig.putBesideProgram("settings.dat", oldBackup);
        QFile::setPermissions(rig.programFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // Nor can the user's data folder be made: it lies on that read-only disk.
    rig.dataFolder = rig.programFolder + "/data";
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    window->Command2->setEnabled(false);

    // The status line loses an earlier save's success and keeps anything else.
    const struct {
        QString before, after;
    } statusLines[] = {
        {QStringLiteral("fichier sauvegardé"), QString()},
        {StatusLine::kUnsavedWarning, StatusLine::kUnsavedWarning},
    };
    for (const auto& line : statusLines) {
        rig.messages.shown.clear();
        window->Label10->setText(line.before);
        window->Command8->click();
        ASSERT_EQ(rig.messages.shown.size(), 1);
        EXPECT_TRUE(rig.messages.shown[0].startsWith(
            QString::fromUtf8("La sauvegarde n'a pas pu être écrite")));
        EXPECT_TRUE(rig.messages.shown[0].contains(rig.dataFolder))
            << "says which folder cannot be written: " << rig.messages.shown[0].toStdString();
        EXPECT_EQ(window->Label10->text(), line.after);
    }
    QFile::setPermissions(rig.programFolder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(window->Command2->isEnabled());
    EXPECT_EQ(readFile(rig.programFolder + "/settings.dat"), oldBackup);
}

// Save, read the backup, reload (still the backup), then write: to the player.
TEST(Backup, AfterReadingTheBackupReloadsReadItAndWritesGoToThePlayer) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    const QString backup = rig.programFolder + "/settings.dat";
    window->Command8->click();

    // The backup now differs from the player's file.
    const QByteArray backupBytes = otherValidBytes(7);
    writeFile(backup, backupBytes);
    window->Command2->click();
    EXPECT_EQ(window->settingsPath(), backup);
    EXPECT_EQ(window->image().fileBytes(), backupBytes);
    EXPECT_EQ(window->Label10->text(), QStringLiteral("fichier bien chargé"));

    const QByteArray laterBackup = otherValidBytes(8);
    writeFile(backup, laterBackup);
    window->Command1->click();
    EXPECT_EQ(window->image().fileBytes(), laterBackup) << "lire ostrel reads the backup again";

    window->enreg_ostrel->click();
    EXPECT_EQ(readFile(window->deviceSettingsPath()), laterBackup);
    EXPECT_EQ(readFile(backup), laterBackup);
    EXPECT_EQ(window->settingsPath(), window->deviceSettingsPath());

    writeFile(backup, otherValidBytes(9));
    window->Command1->click();
    EXPECT_EQ(window->image().fileBytes(), laterBackup)
        << "after writing, lire ostrel reads the player";
    EXPECT_TRUE(rig.messages.shown.isEmpty()) << rig.messages.shown.join('|').toStdString();
}

TEST(Backup, AShortBackupReplacesOnlyTheBytesItHolds) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    rig.putBesideProgram("settings.dat", QByteArray(100, '\x00'));
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    window->Command2->click();
    EXPECT_EQ(window->image().fileBytes().left(100), QByteArray(100, '\x00'));
    EXPECT_EQ(window->image().fileBytes().mid(100), validPlayerBytes().mid(100));
}

// Installed system-wide, the station list comes from share/ and the backup
// goes to the user's data folder, whoever runs it: root could write into the
// program's folder. A list beside the program (a portable copy) still wins,
// and keeps the backup beside itself when it can.
TEST(Backup, AnInstalledProgramKeepsItsBackupInTheUsersDataFolder) {
    for (const bool listBeside : {false, true}) {
        for (const bool readOnly : {false, true}) {
            TestRig rig;
            rig.addPlayer(validPlayerBytes());
            rig.programFolder = rig.root() + "/usr/bin";
            const QString shared = rig.root() + "/usr/share/ostrel-settings/station_fm2.csv";
            QDir().mkpath(rig.programFolder);
            QDir().mkpath(QFileInfo(shared).path());
            writeFile(shared, "Paris_;75;87.8;France Inter\r\n");
            SmallTmpfs disk(rig.programFolder);
            if (listBeside) {
                rig.putBesideProgram("station_fm2.csv", "Lyon_;69;88.4;Radio Scoop\r\n");
            }
            if (readOnly && disk.mounted()) {
                ASSERT_TRUE(disk.remountReadOnly());
            } else if (readOnly) {
                QFile::setPermissions(rig.programFolder,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }
            const QString backupFolder =
                listBeside && !readOnly ? rig.programFolder : rig.dataFolder;

            auto window = rig.start();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->stationListPath(),
                      listBeside ? rig.programFolder + "/station_fm2.csv" : shared);
            EXPECT_FALSE(window->Command2->isEnabled());
            window->Command8->click();
            EXPECT_TRUE(rig.messages.shown.isEmpty()) << rig.messages.shown.join('|').toStdString();
            EXPECT_EQ(readFile(backupFolder + "/settings.dat"), validPlayerBytes())
                << listBeside << readOnly;
            EXPECT_FALSE(QFile::exists(listBeside && !readOnly
                                           ? rig.dataFolder + "/settings.dat"
                                           : rig.programFolder + "/settings.dat"));
            EXPECT_TRUE(window->Command2->isEnabled());

            // The next start finds that backup, and "Lire sauvegarde" reads it.
            window.reset();
            const QByteArray backup = otherValidBytes(11);
            writeFile(backupFolder + "/settings.dat", backup);
            window = rig.start();
            ASSERT_NE(window, nullptr);
            ASSERT_TRUE(window->Command2->isEnabled());
            window->Command2->click();
            EXPECT_EQ(window->image().fileBytes(), backup);
            QFile::setPermissions(rig.programFolder, QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner);
        }
    }
}
