// "Ecrire ostrel": the image goes back to the player, byte for byte, or the
// user is told why it did not.
#include "support/SmallTmpfs.h"
#include "support/TestRig.h"
#include "support/ValidImages.h"

#include "app/StatusLine.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

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

TEST(Write, BytesPastTheImageStayOnThePlayer) {
    TestRig rig;
    rig.addPlayer(validPlayerBytes());
    const auto window = rig.start();
    ASSERT_NE(window, nullptr);
    const QByteArray tail(51, '\x5C');
    writeFile(window->deviceSettingsPath(),
              validPlayerBytes() + tail); // grown to 750 bytes since start-up
    window->enreg_ostrel->click();
    const QByteArray after = readFile(window->deviceSettingsPath());
    EXPECT_EQ(after.size(), 750);
    EXPECT_EQ(after.mid(699), tail);
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
