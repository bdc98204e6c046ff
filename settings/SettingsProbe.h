#pragma once

#include <QString>

#include <optional>

inline const QString kSettingsFileName = QStringLiteral("settings.dat");

// Joins a folder and a file name with exactly one separator between them
// (a root folder already ends with one).
QString joinPath(const QString& folder, const QString& name);

// The name, as spelt on disk, of the one regular file in `folder` named
// settings.dat in any case, hidden and system files included; links are
// passed by. None when the folder cannot be read, holds no such file, or
// holds several spellings of it.
std::optional<QString> settingsFileIn(const QString& folder);
