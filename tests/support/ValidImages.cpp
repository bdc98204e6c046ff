#include "ValidImages.h"

#include "settings/Codecs.h"
#include "settings/FieldLayout.h"

SettingsImage randomValidImage(std::mt19937& random) {
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    SettingsImage image;
    for (int offset = 0; offset < SettingsImage::kFileSize; ++offset) {
        image.setByte(offset, static_cast<std::uint8_t>(between(0, 255)));
    }
    for (int preset = 0; preset < layout::FmPresetCount; ++preset) {
        image.setU24(layout::presetOffset(preset),
                     static_cast<std::uint32_t>(100 * between(875, 1080)));
    }
    for (const IndexFieldInfo& field : kIndexFields) {
        image.setByte(field.offset, static_cast<std::uint8_t>(between(0, field.maximum)));
    }
    const int tuned = image.byte(fieldInfo(IndexField::FmPresetIndex).offset);
    image.setU24(layout::FmCurrentFrequency, image.u24(layout::presetOffset(tuned)));
    for (int curve = 0; curve < layout::EqualizerCurveCount; ++curve) {
        for (int band = 0; band < layout::EqualizerBandCount; ++band) {
            image.setS24(layout::bandOffset(curve, band),
                         between(codec::kBandBottom, codec::kBandTop));
        }
    }
    image.setU24(layout::TruBassLevel, codec::srsCode(between(0, 10)));
    image.setU24(layout::Srs3DLevel, codec::srsCode(between(0, 10)));
    image.setByte(layout::Contrast, codec::contrastByte(between(0, 10)));
    return image;
}
