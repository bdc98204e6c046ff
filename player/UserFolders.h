#pragma once

#include "UserAccount.h"

#include <QString>
#include <QStringList>

#include <optional>

// The folders of the user a program works for (see actingAccount), the same
// for the window and ostrelctl: root through sudo works in the folders of
// the user who ran sudo, and makes its files there as that user; root also
// looks into every user's lock folder, so that it never writes a player that
// a user's window or command holds.
struct UserFolders {
    QString lock;                          // where its lock lies; none when empty
    QString data;                          // the history, and the backup of an installed window
    QStringList otherLocks = {};           // other users' lock folders (root's look)
    std::optional<UserAccount> owner = {}; // whom the files made in them belong to
};

UserFolders userFolders(const UserIds& ids);
