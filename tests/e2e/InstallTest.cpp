// The editor as a package installs it: `cmake --install` into a temporary
// folder, the program's folder read-only (a read-only mount, which holds even
// for root), the user's data folder of its own.
#include "e2e/DesktopFixture.h"
#include "e2e/EditorMachine.h"
#include "settings/DemoImage.h"
#include "settings/FieldLayout.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {
bool mentions(const EditorMachine::Items& items, const QString& text) {
    for (const AccessibleItem& item : items) {
        if (item.name.contains(text) || item.text.contains(text)) {
            return true;
        }
    }
    return false;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

using Installed = DesktopFixture;

TEST_F(Installed, TakesItsListFromShareAndKeepsItsBackupInTheUsersDataFolder) {
    if (::geteuid() != 0 ||
        QProcess::execute("unshare", {"-m", "mount", "--bind", "/tmp", "/tmp"}) != 0) {
        GTEST_SKIP() << "a read-only mount of the program's folder needs root and mount "
                        "namespaces (unshare -m)";
    }
    QTemporaryDir root;
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", root.filePath("destdir"));
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(OSTREL_CMAKE, {"--install", OSTREL_BUILD_DIR, "--prefix", "/usr"});
    ASSERT_TRUE(install.waitForFinished(60000) && install.exitCode() == 0)
        << install.readAll().toStdString();
    const QString prefix = root.filePath("destdir/usr");
    ASSERT_FALSE(QFile::exists(prefix + "/bin/station_fm2.csv"));

    QByteArray backup = demoSettingsImage().fileBytes();
    EditorMachine machine(backup, InstalledEditor{prefix, root.filePath("home/.local/share")});
    machine.start();
    ASSERT_TRUE(machine.statusShows("fichier bien chargé"));

    // The only list is the one in share/: its first city shows.
    machine.click("push button", "Fréquences FM");
    EXPECT_TRUE(machine.waitUntil([](const auto& items) {
        return mentions(items, "Aix-en-Provence");
    })) << "the city list of share/ostrel-settings/";

    machine.click("push button", "Sauvegarde ");
    ASSERT_TRUE(machine.statusShows("fichier sauvegardé"));
    EXPECT_EQ(contents(machine.backupFile()), backup);
    EXPECT_FALSE(QFile::exists(prefix + "/bin/settings.dat"));

    // "Lire sauvegarde" reads that backup: changed on disk, it goes to the player.
    backup[layout::Contrast] = char(80);
    QFile changed(machine.backupFile());
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly) && changed.write(backup) == backup.size());
    changed.close();
    machine.click("push button", "Lire sauvegarde");
    ASSERT_TRUE(machine.statusShows("fichier bien chargé"));
    machine.click("push button", "Ecrire ostrel");
    ASSERT_TRUE(machine.statusShows(" vos modifications on été effectués sur l'ostrel"));
    EXPECT_EQ(machine.playerBytes(), backup);
}
