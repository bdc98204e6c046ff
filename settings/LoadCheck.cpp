#include "LoadCheck.h"

#include "Codecs.h"

#include <algorithm>

namespace {
bool indexInRange(const SettingsImage& image, const IndexFieldInfo& field) {
    return image.byte(field.offset) <= field.maximum;
}

bool contrastUnderstood(const SettingsImage& image) {
    return codec::contrastLevel(image.byte(layout::Contrast)).has_value();
}

bool srsLevelsUnderstood(const SettingsImage& image) {
    // The player's reading looks at the third byte of each level only.
    return codec::srsLevel(image.byte(layout::TruBassLevel + 2)).has_value() &&
           codec::srsLevel(image.byte(layout::Srs3DLevel + 2)).has_value();
}

} // namespace

bool LoadCheck::inRange(IndexField field) const {
    return std::find(outOfRange.begin(), outOfRange.end(), field) == outOfRange.end();
}

QStringList LoadCheck::messages() const {
    QStringList shown;
    for (const IndexField field : outOfRange) {
        shown.append(QString::fromUtf8(fieldInfo(field).outOfRangeMessage));
    }
    if (!contrastUnderstood) {
        shown.append(QString::fromUtf8(kContrastOutOfRange));
    }
    return shown;
}

LoadCheck checkLoadedImage(const SettingsImage& image) {
    LoadCheck check;
    for (const IndexFieldInfo& field : kIndexFields) {
        if (!indexInRange(image, field)) {
            check.outOfRange.push_back(field.id);
        }
    }
    check.contrastUnderstood = contrastUnderstood(image);
    check.srsLevelsUnderstood = srsLevelsUnderstood(image);
    return check;
}
