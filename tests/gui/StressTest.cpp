// Thousands of settings files, most of them hostile, loaded into the real
// window one after the other: no crash, writing stays allowed exactly while
// every file was understood, and a file the player could have written goes
// back to it byte for byte.
#include "support/TestRig.h"
#include "support/ValidImages.h"

#include "settings/FieldLayout.h"
#include "settings/LoadCheck.h"
#include "settings/SettingsImage.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {
const QString kUnreadable = QStringLiteral("je ne reconnais pas un OSTREL muni du firmware 2,226");

int fileCount() {
    // OSTREL_STRESS_FILES=20000 for a longer run.
    const char* given = std::getenv("OSTREL_STRESS_FILES");
    const int count = given != nullptr ? std::atoi(given) : 0;
    return count > 0 ? count : 3000;
}

enum class Kind { Valid, OneByteChanged, Random };

struct StressFile {
    Kind kind;
    QByteArray bytes;
};

StressFile makeFile(std::mt19937& random) {
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    switch (between(0, 2)) {
    case 0:
        return {Kind::Valid, randomValidImage(random).fileBytes()};
    case 1: {
        QByteArray bytes = randomValidImage(random).fileBytes();
        // Half of the time one of the bytes a load checks.
        std::vector<int> checked{layout::Contrast, layout::TruBassLevel + 2,
                                 layout::Srs3DLevel + 2};
        for (const IndexFieldInfo& field : kIndexFields) {
            checked.push_back(field.offset);
        }
        const int offset = between(0, 1) == 0
                               ? checked[std::size_t(between(0, int(checked.size()) - 1))]
                               : between(0, int(bytes.size()) - 1);
        bytes[offset] = static_cast<char>(between(0, 255));
        return {Kind::OneByteChanged, bytes};
    }
    default: {
        // Sizes around the ones that matter: empty, short, 699, 800, longer.
        const int sizes[] = {0,   1,   between(2, 698),   698, 699, 700, between(701, 800),
                             800, 801, between(802, 2000)};
        QByteArray bytes(sizes[between(0, 9)], '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(between(0, 255));
        }
        return {Kind::Random, bytes};
    }
    }
}

} // namespace

TEST(Stress, ThousandsOfFilesThroughTheLoader) {
    const int count = fileCount();
    std::mt19937 random(20261208);
    TestRig rig;
    const QString player = rig.addPlayer(validPlayerBytes());
    std::unique_ptr<Form1> window;
    bool everyLoadUnderstood = true;
    int windows = 0, refused = 0, writtenBack = 0;

    for (int k = 0; k < count; ++k) {
        if (window == nullptr) {
            // A fresh run of the program: the write guard lasts for one run.
            writeFile(player + "/settings.dat", validPlayerBytes());
            window = rig.start();
            ASSERT_NE(window, nullptr);
            everyLoadUnderstood = true;
            ++windows;
        }
        const StressFile file = makeFile(random);
        const QString path = window->deviceSettingsPath();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        writeFile(path, file.bytes);
        rig.messages.shown.clear();
        const QByteArray before = window->image().fileBytes();

        window->Command1_Click(); // "lire ostrel"

        // The verdict on the bytes read, which the fuzzers check against the
        // field table; the window must follow it, whatever showing them does.
        const bool readable = file.bytes.size() <= SettingsImage::kLargestReadable;
        QStringList expectedMessages{kUnreadable};
        bool understood = false;
        if (readable) {
            SettingsImage loaded;
            loaded.load(before);
            loaded.load(file.bytes);
            const LoadCheck check = checkLoadedImage(loaded);
            expectedMessages = check.messages();
            understood = check.writingAllowed();
        }
        everyLoadUnderstood = everyLoadUnderstood && understood;
        const std::string where =
            "file " + std::to_string(k) + " size " + std::to_string(file.bytes.size()) +
            " contrast " +
            std::to_string(int(std::uint8_t(window->image().fileBytes()[layout::Contrast]))) +
            ": " + file.bytes.left(64).toHex(' ').toStdString();
        ASSERT_EQ(rig.messages.shown, expectedMessages) << where;
        ASSERT_EQ(window->enreg_ostrel->isEnabled(), everyLoadUnderstood) << where;
        if (!readable) {
            ASSERT_EQ(window->image().fileBytes(), before) << where;
        }

        if (file.kind == Kind::Valid) {
            ASSERT_EQ(window->image().fileBytes(), file.bytes) << where;
            if (everyLoadUnderstood) {
                // Changed behind the window's back: it asks, and is told to write.
                writeFile(path, QByteArray(699, '\0'));
                rig.messages.answer = true;
                window->enreg_ostrel->click();
                ASSERT_EQ(readFile(path), file.bytes) << where;
                ++writtenBack;
            }
        }
        if (!understood) {
            ++refused;
            window.reset();
        }
    }
    std::printf("%d files in %d runs of the window: %d refused, %d written back\n", count, windows,
                refused, writtenBack);
    EXPECT_GT(refused, count / 4);
    EXPECT_GT(writtenBack, count / 10);
}
