#pragma once

#include "SettingsImage.h"
#include "sound/EqualizerCurves.h"

#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

// Every setting the editor understands under one name, for the command line
// and its documents: fm.A to fm.T, fm.tuned, the option groups, curve.<name>
// and the three levels. The names come from the field table.

struct NamedSetting {
    enum class Kind { Preset, Option, Curve, Level };
    Kind kind;
    int index; // the preset, the IndexField, the curve or the LevelField
    QString name;
};

// In the order values are applied: the presets before the tuned preset, which
// copies its frequency.
const std::vector<NamedSetting>& namedSettings();
const NamedSetting* namedSetting(const QString& name);

struct SettingValue {
    int number = 0;      // kHz of a preset, index of an option, a level
    CurveLevels bands{}; // a curve's levels, 62 Hz first
    bool operator==(const SettingValue&) const = default;
};

// The stored value as the window shows it; none where the window refuses the
// stored bytes (an index or a level out of range).
std::optional<SettingValue> settingValue(const SettingsImage& image, const NamedSetting& setting);
// What the window calls it, in the user's language: "Fréquences FM A",
// "Modes répétition", "Courbe Jazz", "Contraste".
QString settingCaption(const NamedSetting& setting);
// "101.1", "Jazz", "5", "18,-4,-2,14,14"; an option's caption in the user's
// language.
QString valueText(const NamedSetting& setting, const SettingValue& value);
// The same in a document, the same in every language: text for presets and
// options (the French caption), a number for levels, an array of five numbers
// for curves.
QJsonValue valueJson(const NamedSetting& setting, const SettingValue& value);
// The stored value's text, or what stands for a value the window refuses.
QString shownText(const SettingsImage& image, const NamedSetting& setting);

// A value typed on the command line or given in a document, validated as the
// window validates it; otherwise the refusal, in French.
struct ParsedValue {
    std::optional<SettingValue> value;
    QString refusal;
};
ParsedValue parseValue(const NamedSetting& setting, const QString& text);
ParsedValue parseJsonValue(const NamedSetting& setting, const QJsonValue& json);

// The offsets of the file that hold the setting; the tuned preset's include
// the tuned frequency that choosing it copies.
QList<int> settingOffsets(const NamedSetting& setting);

// Values to apply, by position in namedSettings().
using SettingValues = std::vector<std::optional<SettingValue>>;

struct SettingChange {
    QString name;
    QString before;
    QString after;
};
// Each setting whose shown value differs between two images, in the order of
// namedSettings().
QList<SettingChange> settingChanges(const SettingsImage& before, const SettingsImage& after);
// The same, by caption in the user's language: `format` with the caption,
// the value in `before`, the value in `after` ("%1 : %2 → %3").
QStringList captionedChanges(const SettingsImage& before, const SettingsImage& after,
                             const QString& format);
// Stores each value that differs from what the image already says, as the
// window's handlers store it, in the order of namedSettings(); the changes made.
QList<SettingChange> applyValues(SettingsImage& image, const SettingValues& values);
