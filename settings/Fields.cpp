#include "Fields.h"

#include "Codecs.h"

#include <QCoreApplication>

std::uint32_t presetKHz(const SettingsImage& image, int preset) {
    return image.u24(layout::presetOffset(preset));
}

void storePreset(SettingsImage& image, int preset, std::uint32_t kHz) {
    image.setU24(layout::presetOffset(preset), kHz);
}

void tunePreset(SettingsImage& image, int preset) {
    storeOption(image, IndexField::FmPresetIndex, preset);
    image.setU24(layout::FmCurrentFrequency, presetKHz(image, preset));
}

QString translated(const char* text) {
    return QCoreApplication::translate("Settings", text);
}

QStringList optionCaptions(IndexField field) {
    QStringList captions;
    for (const char* caption : fieldInfo(field).captions) {
        captions.append(QString::fromUtf8(caption));
    }
    return captions;
}

QStringList shownCaptions(IndexField field) {
    QStringList captions;
    for (const char* caption : fieldInfo(field).captions) {
        captions.append(translated(caption));
    }
    return captions;
}

std::optional<int> optionIndex(const SettingsImage& image, IndexField field) {
    const IndexFieldInfo& info = fieldInfo(field);
    const int stored = image.byte(info.offset);
    return stored <= info.maximum ? std::optional<int>(stored) : std::nullopt;
}

void storeOption(SettingsImage& image, IndexField field, int index) {
    image.setByte(fieldInfo(field).offset, static_cast<std::uint8_t>(index));
}

std::optional<int> levelOf(const SettingsImage& image, LevelField field) {
    const int offset = levelInfo(field).offset;
    if (field == LevelField::Contrast) {
        return codec::contrastLevel(image.byte(offset));
    }
    return codec::srsLevel(image.byte(offset + 2)); // the third byte alone
}

void storeLevel(SettingsImage& image, LevelField field, int level) {
    const int offset = levelInfo(field).offset;
    if (field == LevelField::Contrast) {
        image.setByte(offset, codec::contrastByte(level));
    } else {
        image.setU24(offset, codec::srsCode(level));
    }
}

int bandLevelAt(const SettingsImage& image, int curve, int band) {
    return codec::bandLevel(image.byte(layout::bandOffset(curve, band)));
}

void storeBand(SettingsImage& image, int curve, int band, int level) {
    image.setS24(layout::bandOffset(curve, band), level);
}
