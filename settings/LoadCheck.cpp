#include "LoadCheck.h"

#include "Fields.h"

#include <algorithm>

bool LoadCheck::inRange(IndexField field) const {
    return std::find(outOfRange.begin(), outOfRange.end(), field) == outOfRange.end();
}

QStringList LoadCheck::messages() const {
    QStringList shown;
    for (const IndexField field : outOfRange) {
        shown.append(translated(fieldInfo(field).outOfRangeMessage));
    }
    if (!contrastUnderstood) {
        shown.append(translated(levelInfo(LevelField::Contrast).outOfRangeMessage));
    }
    return shown;
}

QStringList LoadCheck::problems() const {
    QStringList lines = messages();
    for (const auto& [understood, field] : {std::pair{truBassUnderstood, LevelField::TruBass},
                                            std::pair{srs3DUnderstood, LevelField::Srs3D}}) {
        if (!understood) {
            lines.append(translated(levelInfo(field).outOfRangeMessage));
        }
    }
    return lines;
}

LoadCheck checkLoadedImage(const SettingsImage& image) {
    LoadCheck check;
    for (const IndexFieldInfo& field : kIndexFields) {
        if (!optionIndex(image, field.id)) {
            check.outOfRange.push_back(field.id);
        }
    }
    check.truBassUnderstood = levelOf(image, LevelField::TruBass).has_value();
    check.srs3DUnderstood = levelOf(image, LevelField::Srs3D).has_value();
    check.contrastUnderstood = levelOf(image, LevelField::Contrast).has_value();
    return check;
}

QStringList sizeMessages(qint64 size) {
    if (size == SettingsImage::kFileSize) {
        return {};
    }
    return {translated(QT_TRANSLATE_NOOP("Settings", "attention %1")).arg(size),
            translated(QT_TRANSLATE_NOOP("Settings", "je ne reconnait pas l'ostrel"))};
}
