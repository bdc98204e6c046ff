#pragma once

#include "FieldLayout.h"
#include "SettingsImage.h"

#include <QStringList>

#include <cstdint>
#include <optional>

// Reading and storing each setting in the image, in the player's encodings:
// the window's handlers and the command line go through these, so the two
// cannot write a setting differently.

// FM presets: whole kHz in the first three bytes of each six-byte entry.
std::uint32_t presetKHz(const SettingsImage& image, int preset);
void storePreset(SettingsImage& image, int preset, std::uint32_t kHz);
// The tuned preset: its number, and its last stored frequency copied as the
// frequency the player is tuned to.
void tunePreset(SettingsImage& image, int preset);

// A caption or message of the field table in the user's language.
QString translated(const char* text);

// Option groups: the captions as the documents and the command line name
// them, whatever the language; the captions as the window shows them; the
// index of the selected option, none when out of range.
QStringList optionCaptions(IndexField field);
QStringList shownCaptions(IndexField field);
std::optional<int> optionIndex(const SettingsImage& image, IndexField field);
void storeOption(SettingsImage& image, IndexField field, int index);

// Levels 0 to 10; none when the stored bytes hold no level the player knows.
std::optional<int> levelOf(const SettingsImage& image, LevelField field);
void storeLevel(SettingsImage& image, LevelField field, int level);

// Equalizer bands: the player reads the first byte only, and stores a
// 24-bit two's-complement number.
int bandLevelAt(const SettingsImage& image, int curve, int band);
void storeBand(SettingsImage& image, int curve, int band, int level);
