#include "NamedSettings.h"

#include "Codecs.h"
#include "Fields.h"
#include "i18n/Language.h"
#include "radio/FrequencyInput.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cmath>

namespace {
struct NamedSettingsText {
    Q_DECLARE_TR_FUNCTIONS(NamedSettings)
};
} // namespace

namespace {
using Kind = NamedSetting::Kind;

// "extrème basses" becomes "extreme-basses".
QString plain(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            folded += c;
        }
    }
    return folded.toCaseFolded().simplified();
}

std::vector<NamedSetting> buildNames() {
    std::vector<NamedSetting> names;
    for (int preset = 0; preset < layout::FmPresetCount; ++preset) {
        names.push_back(
            {Kind::Preset, preset,
             QStringLiteral("fm.") + QString::fromUtf8(captions::kPresetLetters[preset])});
    }
    for (const IndexFieldInfo& field : kIndexFields) {
        names.push_back(
            {Kind::Option, static_cast<int>(field.id), QString::fromUtf8(field.settingName)});
    }
    const QStringList curves = equalizerCurveNames();
    for (int curve = 0; curve < curves.size(); ++curve) {
        names.push_back({Kind::Curve, curve,
                         QStringLiteral("curve.") + plain(curves[curve]).replace(u' ', u'-')});
    }
    for (const LevelFieldInfo& level : kLevelFields) {
        names.push_back(
            {Kind::Level, static_cast<int>(level.id), QString::fromUtf8(level.settingName)});
    }
    return names;
}

IndexField optionField(const NamedSetting& setting) {
    return static_cast<IndexField>(setting.index);
}

ParsedValue refused(const QString& why) {
    return {std::nullopt, why};
}

ParsedValue parsePreset(const NamedSetting& setting, const QString& text) {
    const PresetInput input = readPresetFrequency(text);
    switch (input.kind) {
    case PresetInput::Kind::Valid:
        return {SettingValue{input.kHz, {}}, {}};
    case PresetInput::Kind::OutOfRange:
        return refused(NamedSettingsText::tr("erreur : %1 n'est pas entre 87.5 et 108.0 MHz")
                           .arg(text.trimmed()));
    case PresetInput::Kind::Unreadable:
        break;
    }
    // The window's words, the preset named as the command line names it
    // (fm.B), then what it expects.
    return refused(NamedSettingsText::tr("mauvaise valeur pour la fréquence  %1 (des MHz avec une "
                                         "décimale, comme 101.1)")
                       .arg(setting.name));
}

// An option by its number, or by its caption in French or in English,
// whatever the desktop's language: a document or a script written on one
// desktop works on any other.
ParsedValue parseOption(IndexField field, const QString& text) {
    const std::span<const char* const> captions = fieldInfo(field).captions;
    const int count = static_cast<int>(captions.size());
    bool isNumber = false;
    const int index = text.trimmed().toInt(&isNumber);
    if (isNumber && index >= 0 && index < count) {
        return {SettingValue{index, {}}, {}};
    }
    for (int option = 0; option < count; ++option) {
        const char* caption = captions[static_cast<std::size_t>(option)];
        if (plain(QString::fromUtf8(caption)) == plain(text) ||
            plain(englishText("Settings", caption)) == plain(text)) {
            return {SettingValue{option, {}}, {}};
        }
    }
    return refused(NamedSettingsText::tr("valeurs possibles : %1 (ou leur numéro, de 0 à %2)")
                       .arg(shownCaptions(field).join(QStringLiteral(", ")))
                       .arg(count - 1));
}

ParsedValue parseLevel(int level, bool given) {
    if (!given || level < 0 || level > 10) {
        return refused(NamedSettingsText::tr("il faut un niveau entier de 0 à 10"));
    }
    return {SettingValue{level, {}}, {}};
}

ParsedValue parseBands(const QList<std::optional<int>>& levels) {
    const QString why =
        NamedSettingsText::tr("il faut cinq niveaux entiers de %1 à %2, 62 Hz d'abord")
            .arg(codec::kBandBottom)
            .arg(codec::kBandTop);
    if (levels.size() != layout::EqualizerBandCount) {
        return refused(why);
    }
    SettingValue value;
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        if (!levels[band] || !codec::bandShowable(*levels[band])) {
            return refused(why);
        }
        value.bands[static_cast<std::size_t>(band)] = *levels[band];
    }
    return {value, {}};
}

// A whole number in a document: 3, not 3.5 nor "3".
std::optional<int> wholeNumber(const QJsonValue& json) {
    const double number = json.toDouble();
    if (!json.isDouble() || std::floor(number) != number || std::abs(number) > 1e6) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}
} // namespace

const std::vector<NamedSetting>& namedSettings() {
    static const std::vector<NamedSetting> names = buildNames();
    return names;
}

const NamedSetting* namedSetting(const QString& name) {
    for (const NamedSetting& setting : namedSettings()) {
        if (setting.name == name) {
            return &setting;
        }
    }
    return nullptr;
}

std::optional<SettingValue> settingValue(const SettingsImage& image, const NamedSetting& setting) {
    switch (setting.kind) {
    case Kind::Preset:
        return SettingValue{static_cast<int>(presetKHz(image, setting.index)), {}};
    case Kind::Option:
        if (const auto index = optionIndex(image, optionField(setting))) {
            return SettingValue{*index, {}};
        }
        return std::nullopt;
    case Kind::Curve: {
        SettingValue value;
        for (int band = 0; band < layout::EqualizerBandCount; ++band) {
            value.bands[static_cast<std::size_t>(band)] = bandLevelAt(image, setting.index, band);
        }
        return value;
    }
    case Kind::Level:
        if (const auto level = levelOf(image, static_cast<LevelField>(setting.index))) {
            return SettingValue{*level, {}};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

QString settingCaption(const NamedSetting& setting) {
    switch (setting.kind) {
    case Kind::Preset:
        return NamedSettingsText::tr("Fréquences FM %1")
            .arg(QString::fromUtf8(captions::kPresetLetters[setting.index]));
    case Kind::Option:
        return translated(fieldInfo(optionField(setting)).caption);
    case Kind::Curve:
        return NamedSettingsText::tr("Courbe %1").arg(shownCurveNames().value(setting.index));
    case Kind::Level:
        break;
    }
    return translated(levelInfo(static_cast<LevelField>(setting.index)).caption);
}

QString valueText(const NamedSetting& setting, const SettingValue& value) {
    switch (setting.kind) {
    case Kind::Preset:
        return codec::frequencyText(static_cast<std::uint32_t>(value.number), u'.');
    case Kind::Option:
        return shownCaptions(optionField(setting)).value(value.number).trimmed();
    case Kind::Curve: {
        QStringList levels;
        for (const int level : value.bands) {
            levels.append(QString::number(level));
        }
        return levels.join(u',');
    }
    case Kind::Level:
        break;
    }
    return QString::number(value.number);
}

QJsonValue valueJson(const NamedSetting& setting, const SettingValue& value) {
    switch (setting.kind) {
    case Kind::Curve: {
        QJsonArray levels;
        for (const int level : value.bands) {
            levels.append(level);
        }
        return levels;
    }
    case Kind::Level:
        return value.number;
    case Kind::Option:
        // The French caption, whatever the language: documents are the same everywhere.
        return optionCaptions(optionField(setting)).value(value.number).trimmed();
    case Kind::Preset:
        break;
    }
    return valueText(setting, value);
}

QString shownText(const SettingsImage& image, const NamedSetting& setting) {
    const std::optional<SettingValue> value = settingValue(image, setting);
    return value ? valueText(setting, *value) : NamedSettingsText::tr("(hors plage)");
}

ParsedValue parseValue(const NamedSetting& setting, const QString& text) {
    switch (setting.kind) {
    case Kind::Preset:
        return parsePreset(setting, text);
    case Kind::Option:
        return parseOption(optionField(setting), text);
    case Kind::Curve: {
        QList<std::optional<int>> levels;
        for (const QString& part : text.split(u',')) {
            bool ok = false;
            const int level = part.trimmed().toInt(&ok);
            levels.append(ok ? std::optional<int>(level) : std::nullopt);
        }
        return parseBands(levels);
    }
    case Kind::Level:
        break;
    }
    bool ok = false;
    const int level = text.trimmed().toInt(&ok);
    return parseLevel(level, ok);
}

ParsedValue parseJsonValue(const NamedSetting& setting, const QJsonValue& json) {
    switch (setting.kind) {
    case Kind::Preset:
    case Kind::Option:
        if (!json.isString()) {
            return refused(NamedSettingsText::tr("il faut un texte"));
        }
        return parseValue(setting, json.toString());
    case Kind::Curve: {
        if (!json.isArray()) {
            return refused(NamedSettingsText::tr("il faut une liste de cinq niveaux"));
        }
        QList<std::optional<int>> levels;
        for (const QJsonValue& level : json.toArray()) {
            levels.append(wholeNumber(level));
        }
        return parseBands(levels);
    }
    case Kind::Level:
        break;
    }
    const std::optional<int> level = wholeNumber(json);
    return parseLevel(level.value_or(0), level.has_value());
}

QList<int> settingOffsets(const NamedSetting& setting) {
    const auto run = [](int first, int count) {
        QList<int> offsets;
        for (int k = 0; k < count; ++k) {
            offsets.append(first + k);
        }
        return offsets;
    };
    switch (setting.kind) {
    case Kind::Preset:
        return run(layout::presetOffset(setting.index), 3);
    case Kind::Option: {
        QList<int> offsets{fieldInfo(optionField(setting)).offset};
        if (optionField(setting) == IndexField::FmPresetIndex) {
            offsets += run(layout::FmCurrentFrequency, 3);
        }
        return offsets;
    }
    case Kind::Curve:
        return run(layout::bandOffset(setting.index, 0), 3 * layout::EqualizerBandCount);
    case Kind::Level:
        break;
    }
    const auto field = static_cast<LevelField>(setting.index);
    return run(levelInfo(field).offset, field == LevelField::Contrast ? 1 : 3);
}

QList<SettingChange> settingChanges(const SettingsImage& before, const SettingsImage& after) {
    QList<SettingChange> changes;
    for (const NamedSetting& setting : namedSettings()) {
        const QString was = shownText(before, setting);
        const QString is = shownText(after, setting);
        if (was != is) {
            changes.append({setting.name, was, is});
        }
    }
    return changes;
}

QList<SettingChange> applyValues(SettingsImage& image, const SettingValues& values) {
    const SettingsImage before = image;
    const std::vector<NamedSetting>& names = namedSettings();
    for (std::size_t k = 0; k < names.size() && k < values.size(); ++k) {
        const NamedSetting& setting = names[k];
        if (!values[k]) {
            continue;
        }
        const SettingValue& value = *values[k];
        if (shownText(image, setting) == valueText(setting, value)) {
            continue; // what the bytes already say: they stay as they are
        }
        switch (setting.kind) {
        case Kind::Preset:
            storePreset(image, setting.index, static_cast<std::uint32_t>(value.number));
            break;
        case Kind::Option:
            if (optionField(setting) == IndexField::FmPresetIndex) {
                tunePreset(image, value.number);
            } else {
                storeOption(image, optionField(setting), value.number);
            }
            break;
        case Kind::Curve:
            for (int band = 0; band < layout::EqualizerBandCount; ++band) {
                const int level = value.bands[static_cast<std::size_t>(band)];
                if (bandLevelAt(image, setting.index, band) != level) {
                    storeBand(image, setting.index, band, level);
                }
            }
            break;
        case Kind::Level:
            storeLevel(image, static_cast<LevelField>(setting.index), value.number);
            break;
        }
    }
    return settingChanges(before, image);
}

QStringList captionedChanges(const SettingsImage& before, const SettingsImage& after,
                             const QString& format) {
    QStringList changes;
    for (const SettingChange& change : settingChanges(before, after)) {
        changes.append(
            format.arg(settingCaption(*namedSetting(change.name)), change.before, change.after));
    }
    return changes;
}
