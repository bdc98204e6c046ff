// ostrelctl check and the window judge a file the same way.
#include "support/TestRig.h"

#include "cli/Ostrelctl.h"
#include "settings/FieldLayout.h"

#include <QPushButton>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {
QByteArray with(int offset, int value, QByteArray bytes = validPlayerBytes()) {
    bytes[offset] = static_cast<char>(value);
    return bytes;
}
} // namespace

TEST(CheckAgreement, OstrelctlCheckAcceptsExactlyWhatTheWindowWritesBack) {
    const QByteArray valid = validPlayerBytes();
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"valid", valid},
        {"empty", QByteArray()},
        {"one byte short", valid.left(SettingsImage::kFileSize - 1)},
        {"one byte long", valid + 'x'},
        {"longest readable", valid + QByteArray(SettingsImage::kLargestReadable - 699, 'x')},
        {"too long", valid + QByteArray(SettingsImage::kLargestReadable - 698, 'x')},
        {"tuned preset past T", with(fieldInfo(IndexField::FmPresetIndex).offset, 20)},
        {"last repeat mode",
         with(fieldInfo(IndexField::RepeatMode).offset, fieldInfo(IndexField::RepeatMode).maximum)},
        {"repeat mode past the last", with(fieldInfo(IndexField::RepeatMode).offset,
                                           fieldInfo(IndexField::RepeatMode).maximum + 1)},
        {"headphones 255", with(fieldInfo(IndexField::HeadphoneType).offset, 255)},
        {"unknown True bass code", with(layout::TruBassLevel + 2, 0x05)},
        {"unknown son 3D code", with(layout::Srs3DLevel + 2, 0x80)},
        {"contrast 110", with(layout::Contrast, 110)},
        {"contrast 255", with(layout::Contrast, 255)},
        {"preset at 0 kHz",
         with(layout::presetOffset(4) + 2, 0,
              with(layout::presetOffset(4), 0, with(layout::presetOffset(4) + 1, 0)))},
    };
    for (const auto& c : cases) {
        TestRig rig;
        const QString file = rig.addPlayer(c.bytes) + QStringLiteral("/settings.dat");
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int code = runOstrelctl({QStringLiteral("check"), file}, outStream, errStream,
                                      CliSeams{QString(), {rig.lockFolder}, nullptr});
        outStream.flush();

        const auto window = rig.start(); // none when start-up gave up on the file
        const bool windowAccepts =
            window && rig.messages.shown.isEmpty() && window->enreg_ostrel->isEnabled();
        EXPECT_EQ(code == kDone, windowAccepts) << c.what << ": " << out.toStdString();
        for (const QString& message : rig.messages.shown) {
            EXPECT_TRUE(out.contains(message)) << c.what << ": " << message.toStdString();
        }
    }
}
