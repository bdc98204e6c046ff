#pragma once

#include "SettingsFile.h"

#include <QByteArray>
#include <QString>

// The one backup slot: settings.dat in the program's folder.

// The backup's path in `folder`: its name as spelt there when it exists.
QString backupPathIn(const QString& folder);

// Saves `bytes` as the backup in `folder`; never over the player's own file
// (the program started from the player's root), however its path is spelt.
WriteOutcome saveBackup(const QString& folder, const QByteArray& bytes, const QString& playerFile);
