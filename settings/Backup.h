#pragma once

#include "SettingsFile.h"

#include <QByteArray>
#include <QString>

// The one backup slot: settings.dat in the backup folder (beside the program,
// or the user's data folder when the program's folder is read-only).

// The backup's path in `folder`: its name as spelt there when it exists.
QString backupPathIn(const QString& folder);

// Saves `bytes` as the backup in `folder`, made when missing; never over the player's own file
// (the program started from the player's root), however its path is spelt.
WriteOutcome saveBackup(const QString& folder, const QByteArray& bytes, const QString& playerFile);
