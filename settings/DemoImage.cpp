#include "DemoImage.h"

#include "Codecs.h"
#include "FieldLayout.h"
#include "sound/EqualizerCurves.h"

#include <array>

namespace {
// Paris: France Inter, RFI, Nostalgie, Chérie FM, France Musique, Mouv',
// France Culture, Skyrock, Rire & Chansons, NRJ, Radio Classique, Fun Radio,
// RMC, Virgin Radio, RFM, RTL, Europe 1, FIP, franceinfo, ici Paris.
constexpr std::array<std::uint32_t, layout::FmPresetCount> kPresetsKHz{
    87800,  89000,  90400,  91300,  91700,  92100,  93500,  96000,  97400,  100300,
    101100, 101900, 103100, 103500, 103900, 104300, 104700, 105100, 105500, 107100,
};

int factoryIndex(IndexField field) {
    switch (field) {
    case IndexField::AutoOffDelay:
    case IndexField::BacklightDelay:
        return 2;
    case IndexField::RecordQuality:
        return 5;
    case IndexField::ScrollSpeed:
    case IndexField::AbRecKeyFunction:
    case IndexField::HeadphoneType:
        return 1;
    default:
        return 0;
    }
}
} // namespace

std::uint8_t demoFillerByte(int offset) {
    return static_cast<std::uint8_t>(1 + (offset * 37) % 255);
}

SettingsImage demoSettingsImage() {
    SettingsImage image;
    for (int offset = 0; offset < SettingsImage::kFileSize; ++offset) {
        image.setByte(offset, demoFillerByte(offset));
    }
    for (int preset = 0; preset < layout::FmPresetCount; ++preset) {
        image.setU24(layout::presetOffset(preset), kPresetsKHz[static_cast<std::size_t>(preset)]);
    }
    for (const IndexFieldInfo& field : kIndexFields) {
        image.setByte(field.offset, static_cast<std::uint8_t>(factoryIndex(field.id)));
    }
    const int tuned = image.byte(fieldInfo(IndexField::FmPresetIndex).offset);
    image.setU24(layout::FmCurrentFrequency, image.u24(layout::presetOffset(tuned)));
    for (int curve = 0; curve < layout::EqualizerCurveCount; ++curve) {
        for (int band = 0; band < layout::EqualizerBandCount; ++band) {
            image.setS24(
                layout::bandOffset(curve, band),
                kFactoryCurves[static_cast<std::size_t>(curve)][static_cast<std::size_t>(band)]);
        }
    }
    image.setU24(layout::TruBassLevel, codec::srsCode(5));
    image.setU24(layout::Srs3DLevel, codec::srsCode(5));
    image.setByte(layout::Contrast, codec::contrastByte(5));
    return image;
}
