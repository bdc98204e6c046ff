// Start-up: finding the player among the volumes, the size checks, the paths.
#include "support/TestRig.h"

#include "app/EditorCommandLine.h"
#include "app/PathLabel.h"
#include "app/StatusLine.h"
#include "app/SystemSeams.h"
#include "radio/FmPage.h"
#include "sound/EqualizerPage.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
const QString kNotFound = QStringLiteral("l'ostrel n'a pas été trouvé");
const QString kNotRecognised = QStringLiteral("je ne reconnait pas l'ostrel");
} // namespace

TEST(StartUp, WithoutPlayerOnlyTellsSoAndShowsNoWindow) {
    TestRig rig;
    rig.addVolume();
    const QString withSubfolder = rig.addVolume(); // settings.dat below the root is not a player
    QDir(withSubfolder).mkdir("sub");
    writeFile(withSubfolder + "/sub/settings.dat", validPlayerBytes());

    EXPECT_EQ(rig.start(), nullptr);
    EXPECT_EQ(rig.messages.shown, QStringList{kNotFound});
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
    }
}

TEST(StartUp, WithoutAnyVolumeTellsThePlayerWasNotFound) {
    TestRig rig;
    EXPECT_EQ(rig.start(), nullptr);
    EXPECT_EQ(rig.messages.shown, QStringList{kNotFound});
}

// While "not found" is open, a player plugged in closes it and the window
// opens on it; other mounts coming and going leave it open.
TEST(StartUp, APlayerPluggedInWhileNotFoundIsShownOpensTheWindow) {
    TestRig rig;
    QString player;
    rig.messages.whileOpen = [&] {
        emit rig.mounts.changed();
        EXPECT_EQ(rig.messages.closed, 0);
        player = rig.addPlayer(validPlayerBytes());
        emit rig.mounts.changed();
    };
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rig.messages.shown, QStringList{kNotFound});
    EXPECT_EQ(rig.messages.closed, 1);
    EXPECT_EQ(window->deviceSettingsPath(), player + "/settings.dat");
}

TEST(StartUp, FindsTheOnePlayerAndBindsBothPaths) {
    TestRig rig;
    rig.addVolume();
    const QString player = rig.addPlayer(validPlayerBytes());
    rig.addVolume();

    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(rig.messages.shown.isEmpty()) << rig.messages.shown.join("|").toStdString();
    EXPECT_EQ(window->Label11->text(), player + "/");
    EXPECT_EQ(window->deviceSettingsPath(), player + "/settings.dat");
    EXPECT_EQ(window->settingsPath(), window->deviceSettingsPath());
    EXPECT_EQ(window->stationListPath(), rig.programFolder + "/station_fm2.csv");
    EXPECT_TRUE(window->enreg_ostrel->isEnabled());
}

TEST(StartUp, TwoPlayersTheLaterVolumeWins) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const QString later = rig.addPlayer(validPlayerBytes());

    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Label11->text(), later + "/");
    EXPECT_EQ(window->deviceSettingsPath(), later + "/settings.dat");
}

TEST(StartUp, UsesTheFileNameAsSpeltOnTheDisk) {
    TestRig rig;
    const QString player = rig.addPlayer(validPlayerBytes(), "SETTINGS.DAT");
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->deviceSettingsPath(), player + "/SETTINGS.DAT");
}

TEST(StartUp, FindsAReadOnlyFile) {
    TestRig rig;
    const QString player = rig.addPlayer(validPlayerBytes());
    QFile::setPermissions(player + "/settings.dat",
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST(StartUp, AVolumeRootEndingInASeparatorGivesSingleSeparators) {
    TestRig rig;
    const QString player = rig.addPlayer(validPlayerBytes());
    rig.volumes.list.last() = player + "/";
    rig.programFolder = "/";

    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->deviceSettingsPath(), player + "/settings.dat");
    EXPECT_EQ(window->stationListPath(), "/station_fm2.csv");
}

TEST(StartUp, AFileOfTheWrongSizeIsReportedTwiceAndNeverWritten) {
    for (const int size : {0, 698, 700, 800}) {
        TestRig rig;
        QByteArray bytes = validPlayerBytes();
        bytes.resize(size, '\x11');
        rig.addPlayer(bytes);

        const auto window = rig.start();
        ASSERT_NE(window, nullptr) << size;
        ASSERT_GE(rig.messages.shown.size(), 2) << size;
        EXPECT_EQ(rig.messages.shown[0], QStringLiteral("attention %1").arg(size));
        EXPECT_EQ(rig.messages.shown[1], kNotRecognised);
        EXPECT_FALSE(window->enreg_ostrel->isEnabled()) << size;
    }
}

TEST(StartUp, ReadBackupIsEnabledOnlyWithABackupBesideTheProgram) {
    const struct {
        const char* besideProgram;
        bool enabled;
    } cases[] = {
        {nullptr, false}, {"settings.dat", true}, {"Settings.DAT", true}, {"other.dat", false}};
    for (const auto& c : cases) {
        TestRig rig;
        rig.addPlayer(validPlayerBytes());
        if (c.besideProgram != nullptr) {
            rig.putBesideProgram(c.besideProgram, validPlayerBytes());
        }
        const auto window = rig.start();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Command2->isEnabled(), c.enabled)
            << (c.besideProgram ? c.besideProgram : "none");
    }
}

TEST(StartUp, FillsTheCurveSelectorAndGoesOnWithoutAStationList) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);

    QComboBox* curves = window->egaliseur->Combo1;
    ASSERT_EQ(curves->count(), 11);
    EXPECT_EQ(curves->currentIndex(), 0);
    EXPECT_EQ(curves->itemText(5), QStringLiteral("extrème basses"));
    EXPECT_EQ(curves->itemText(10), QStringLiteral("perso"));
    EXPECT_EQ(window->Freq_FM->Combo2->count(), 0);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST(StartUp, FinEndsTheProgramWithoutAQuestion) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    window->show();
    window->fin->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST(CommandLine, AcceptsOnlyVolumeFoldersHelpAndVersion) {
    const struct {
        QStringList arguments;
        bool accepted;
        QStringList volumes;
        bool information = false; // ends before any window
    } cases[] = {
        {{"prog"}, true, {}},
        {{"prog", "--volume", "/a", "--volume=/b", "--volume", "/c"}, true, {"/a", "/b", "/c"}},
        {{"prog", "--volume"}, false, {}},
        {{"prog", "--verbose"}, false, {}},
        {{"prog", "/a"}, false, {}},
        {{"prog", "--volume", "/a", "--help"}, true, {"/a"}, true},
        {{"prog", "--version"}, true, {}, true},
    };
    for (const auto& c : cases) {
        QString error;
        const std::optional<EditorOptions> options = parseCommandLine(c.arguments, error);
        EXPECT_EQ(options.has_value(), c.accepted) << c.arguments.join(' ').toStdString();
        if (options) {
            EXPECT_EQ(options->volumes, c.volumes);
            EXPECT_EQ(options->help || options->version, c.information);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
}
