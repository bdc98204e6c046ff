// The player's encodings, both ways, with the byte examples it is known by.
#include "settings/Codecs.h"
#include "settings/SettingsImage.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
struct Bytes {
    std::uint8_t b0, b1, b2;
};
SettingsImage imageWith(int offset, Bytes bytes) {
    SettingsImage image;
    image.setByte(offset, bytes.b0);
    image.setByte(offset + 1, bytes.b1);
    image.setByte(offset + 2, bytes.b2);
    return image;
}
} // namespace

TEST(Frequency, ThreeBytesLeastSignificantFirstShownInMegahertz) {
    const struct {
        Bytes bytes;
        std::uint32_t kHz;
        const char* shown;
    } cases[] = {
        {{0xCC, 0x55, 0x01}, 87500, "87.5"},   {{0xE0, 0xA5, 0x01}, 108000, "108.0"},
        {{0xA0, 0x86, 0x01}, 100000, "100.0"}, {{0x24, 0x58, 0x01}, 88100, "88.1"},
        {{0x40, 0x96, 0x01}, 104000, "104.0"}, {{0x00, 0x00, 0x00}, 0, ".0"},
        {{0x32, 0x00, 0x00}, 50, ".1"},        {{0xFF, 0xFF, 0xFF}, 16777215, "16777.2"},
    };
    for (const auto& c : cases) {
        SettingsImage image = imageWith(10, c.bytes);
        EXPECT_EQ(image.u24(10), c.kHz);
        EXPECT_EQ(codec::frequencyText(c.kHz, '.'), QString(c.shown)) << c.kHz;

        SettingsImage written;
        written.setU24(10, c.kHz);
        EXPECT_EQ(written, image) << c.kHz;
    }
    EXPECT_EQ(codec::frequencyText(87500, ','), "87,5");
}

TEST(BandLevel, WrittenAsTwosComplementReadFromTheFirstByteAlone) {
    const struct {
        int level;
        Bytes bytes;
    } written[] = {{-12, {0xF4, 0xFF, 0xFF}},
                   {-2, {0xFE, 0xFF, 0xFF}},
                   {-1, {0xFF, 0xFF, 0xFF}},
                   {0, {0x00, 0x00, 0x00}},
                   {20, {0x14, 0x00, 0x00}}};
    for (const auto& c : written) {
        SettingsImage image;
        image.setS24(30, c.level);
        EXPECT_EQ(image, imageWith(30, c.bytes)) << c.level;
        EXPECT_EQ(image.s24(30), c.level);
        EXPECT_EQ(codec::bandLevel(c.bytes.b0), c.level);
    }
    const struct {
        std::uint8_t firstByte;
        int level;
    } read[] = {{0xF4, -12}, {0x14, 20}, {0x50, 80}, {0x51, -175}, {0x15, 21}, {0xF3, -13}};
    for (const auto& c : read) {
        EXPECT_EQ(codec::bandLevel(c.firstByte), c.level) << int(c.firstByte);
        EXPECT_EQ(codec::bandShowable(c.level), c.level >= -12 && c.level <= 20);
    }
}

TEST(SrsLevel, ElevenCodesReadByTheirThirdByte) {
    const Bytes codes[] = {{0x06, 0x00, 0x00}, {0xD2, 0xCC, 0x0C}, {0x9E, 0x99, 0x19},
                           {0x6A, 0x66, 0x26}, {0x36, 0x33, 0x33}, {0x02, 0x00, 0x40},
                           {0xCE, 0xCC, 0x4C}, {0x9A, 0x99, 0x59}, {0x66, 0x66, 0x66},
                           {0x32, 0x33, 0x73}, {0xFE, 0xFF, 0x7F}};
    for (int level = 0; level <= 10; ++level) {
        const Bytes& code = codes[level];
        SettingsImage image;
        image.setU24(40, codec::srsCode(level));
        EXPECT_EQ(image, imageWith(40, code)) << level;
        EXPECT_EQ(codec::srsLevel(code.b2), level);
        // Each code lies within 6 of level / 10 * 2^23.
        EXPECT_LE(std::abs(static_cast<double>(codec::srsCode(level)) - level / 10.0 * (1 << 23)),
                  6.0);
    }
    EXPECT_EQ(codec::srsLevel(0x40), 5); // 03 00 40 reads as 5: only the third byte counts
    for (const int invalid : {13, 1, 63, 65, 128, 255}) {
        EXPECT_FALSE(codec::srsLevel(static_cast<std::uint8_t>(invalid))) << invalid;
    }
}

TEST(Contrast, TenTimesTheLevelReadWithHalvesToEven) {
    const struct {
        int stored;
        std::optional<int> level;
    } cases[] = {{0, 0},
                 {5, 0},
                 {10, 1},
                 {15, 2},
                 {25, 2},
                 {35, 4},
                 {45, 4},
                 {55, 6},
                 {59, 6},
                 {95, 10},
                 {100, 10},
                 {101, std::nullopt},
                 {110, std::nullopt},
                 {255, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(codec::contrastLevel(static_cast<std::uint8_t>(c.stored)), c.level) << c.stored;
    }
    for (int level = 0; level <= 10; ++level) {
        EXPECT_EQ(codec::contrastByte(level), 10 * level);
        EXPECT_EQ(codec::contrastLevel(codec::contrastByte(level)), level);
    }
}

TEST(SettingsImage, LoadOverwritesOnlyWhatTheFileCovers) {
    SettingsImage image;
    for (int k = 0; k < SettingsImage::kElements; ++k) {
        image.setByte(k, 0xEE);
    }
    image.load(QByteArray(100, '\x01'));
    EXPECT_EQ(image.byte(99), 0x01);
    EXPECT_EQ(image.byte(100), 0xEE);
    image.load(QByteArray(800, '\x02'));
    EXPECT_EQ(image.byte(799), 0x02);
    EXPECT_EQ(image.byte(800), 0xEE);
    EXPECT_EQ(image.fileBytes(), QByteArray(699, '\x02'));
}
