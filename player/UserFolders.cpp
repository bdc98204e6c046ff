#include "UserFolders.h"

#include "ProgramPlaces.h"

UserFolders userFolders(const UserIds& ids, const QString& runtimeRoot, const QString& rootFolder) {
    const UserAccount account = actingAccount(ids);
    LockFolders locks;
    locks.root = rootFolder;
    if (account.uid == 0) {
        locks.own = locks.root;
    } else {
        const QStringList own = PlayerLock::foldersOf(account, runtimeRoot);
        locks.own = own.value(0);
        locks.alsoOwn = own.mid(1);
    }
    locks.rootsRights = ids.real == 0 || ids.effective == 0;
    if (locks.rootsRights) {
        locks.others = PlayerLock::everyUsersFolders(ids, account.uid, runtimeRoot);
    }
    return {locks, userDataFolder(account)};
}
