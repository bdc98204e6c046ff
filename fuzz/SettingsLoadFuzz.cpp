// Any bytes as settings.dat: the load, every field through its codec, and the
// check that decides whether the file may be written back.
#include "FuzzCheck.h"

#include "radio/FrequencyInput.h"
#include "settings/Codecs.h"
#include "settings/DemoImage.h"
#include "settings/FieldLayout.h"
#include "settings/LoadCheck.h"
#include "settings/SettingsImage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// The third byte of each of the player's SRS WOW codes, levels 0 to 10.
constexpr std::array<std::uint8_t, codec::kSrsLevels> kSrsThirdBytes{
    0x00, 0x0C, 0x19, 0x26, 0x33, 0x40, 0x4C, 0x59, 0x66, 0x73, 0x7F,
};

bool knownSrsByte(std::uint8_t third) {
    return std::find(kSrsThirdBytes.begin(), kSrsThirdBytes.end(), third) != kSrsThirdBytes.end();
}

// A stored frequency as a preset box shows it, read back as the box reads it:
// the stored kHz rounded to the nearest tenth of a MHz, a half going up.
void checkFrequency(std::uint32_t kHz) {
    FUZZ_REQUIRE(kHz <= 0xFFFFFF);
    const auto shown = static_cast<std::int32_t>((kHz + 50) / 100 * 100);
    const bool tunable = shown >= kLowestPresetKHz && shown <= kHighestPresetKHz;
    for (const QChar point : {QChar(u'.'), QChar(u',')}) {
        const QString text = codec::frequencyText(kHz, point);
        FUZZ_REQUIRE(text.size() >= 2 && text.size() <= 7);
        FUZZ_REQUIRE(text[text.size() - 2] == point && text.back().isDigit());
        FUZZ_REQUIRE(!text.startsWith(u'0'));
        const PresetInput input = readPresetFrequency(text);
        FUZZ_REQUIRE(input.kind != PresetInput::Kind::Unreadable);
        FUZZ_REQUIRE(input.kHz == shown);
        FUZZ_REQUIRE((input.kind == PresetInput::Kind::Valid) == tunable);
        if (kHz % 100 == 0 && tunable) {
            FUZZ_REQUIRE(input.kind == PresetInput::Kind::Valid && input.kHz == std::int32_t(kHz));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // readSettingsFile refuses a longer file before anything is loaded.
    if (size > std::size_t{SettingsImage::kLargestReadable}) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int count = static_cast<int>(size);

    // A load goes over whatever an earlier load left: here a valid image.
    static const SettingsImage earlier = demoSettingsImage();
    SettingsImage image = earlier;
    image.load(bytes);
    for (int offset = 0; offset < SettingsImage::kElements; ++offset) {
        FUZZ_REQUIRE(image.byte(offset) == (offset < count ? data[offset] : earlier.byte(offset)));
    }

    // Every byte of the input up to the file's size goes back out unchanged.
    const QByteArray file = image.fileBytes();
    FUZZ_REQUIRE(file.size() == SettingsImage::kFileSize);
    FUZZ_REQUIRE(file.left(count) == bytes.left(SettingsImage::kFileSize));
    SettingsImage reloaded;
    reloaded.load(file);
    FUZZ_REQUIRE(reloaded.fileBytes() == file);

    // FM: the tuned frequency and every preset.
    checkFrequency(image.u24(layout::FmCurrentFrequency));
    for (int preset = 0; preset < layout::FmPresetCount; ++preset) {
        checkFrequency(image.u24(layout::presetOffset(preset)));
    }

    // Equalizer bands: the first byte, read as the player reads it.
    for (int curve = 0; curve < layout::EqualizerCurveCount; ++curve) {
        for (int band = 0; band < layout::EqualizerBandCount; ++band) {
            const std::uint8_t first = image.byte(layout::bandOffset(curve, band));
            const int level = codec::bandLevel(first);
            FUZZ_REQUIRE(level >= -175 && level <= 80);
            FUZZ_REQUIRE((level & 0xFF) == first);
        }
    }

    // SRS WOW: a level exactly when the third byte is one of the player's codes.
    for (const int offset : {layout::TruBassLevel, layout::Srs3DLevel}) {
        const std::uint8_t third = image.byte(offset + 2);
        const std::optional<int> level = codec::srsLevel(third);
        FUZZ_REQUIRE(level.has_value() == knownSrsByte(third));
        if (level) {
            FUZZ_REQUIRE(*level >= 0 && *level < codec::kSrsLevels);
            FUZZ_REQUIRE(codec::srsCode(*level) >> 16 == third);
        }
    }

    // Contrast: ten times the level, within half a level.
    const std::uint8_t contrast = image.byte(layout::Contrast);
    const std::optional<int> contrastLevel = codec::contrastLevel(contrast);
    FUZZ_REQUIRE(contrastLevel.has_value() == (contrast <= 100));
    if (contrastLevel) {
        FUZZ_REQUIRE(*contrastLevel >= 0 && *contrastLevel <= 10);
        FUZZ_REQUIRE(std::abs(10 * *contrastLevel - contrast) <= 5);
        FUZZ_REQUIRE(codec::contrastLevel(codec::contrastByte(*contrastLevel)) == contrastLevel);
    }

    // The check: which fields are out of range, and whether writing stays allowed.
    const LoadCheck check = checkLoadedImage(image);
    std::vector<IndexField> outOfRange;
    for (const IndexFieldInfo& field : kIndexFields) {
        if (image.byte(field.offset) > field.maximum) {
            outOfRange.push_back(field.id);
        }
    }
    const bool srsKnown = knownSrsByte(image.byte(layout::TruBassLevel + 2)) &&
                          knownSrsByte(image.byte(layout::Srs3DLevel + 2));
    FUZZ_REQUIRE(check.outOfRange == outOfRange);
    FUZZ_REQUIRE(check.contrastUnderstood == contrastLevel.has_value());
    FUZZ_REQUIRE(check.srsLevelsUnderstood() == srsKnown);
    FUZZ_REQUIRE(check.writingAllowed() ==
                 (outOfRange.empty() && contrastLevel.has_value() && srsKnown));
    const QStringList messages = check.messages();
    FUZZ_REQUIRE(messages.size() ==
                 static_cast<qsizetype>(outOfRange.size()) + (contrastLevel ? 0 : 1));
    for (std::size_t k = 0; k < outOfRange.size(); ++k) {
        FUZZ_REQUIRE(messages[static_cast<qsizetype>(k)] ==
                     QString::fromUtf8(fieldInfo(outOfRange[k]).outOfRangeMessage));
    }
    return 0;
}
