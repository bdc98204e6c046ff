#pragma once

#include "PlayerLock.h"
#include "UserAccount.h"

#include <QString>

// The folders of the user a program works for (see actingAccount), the same
// for the window and ostrelctl: root through sudo works in the folders of
// the user who ran sudo, as that user. Root's own lock lies in root's lock
// folder, where every user's program looks; with root's rights (through sudo
// or not) a program also looks into every user's lock folder, so that it
// never writes a player that a user's window or command holds.
struct UserFolders {
    LockFolders locks;
    QString data; // the history, and the backup of an installed window
};

UserFolders userFolders(const UserIds& ids, const QString& runtimeRoot = PlayerLock::kRuntimeRoot,
                        const QString& rootFolder = PlayerLock::kRootFolder);
