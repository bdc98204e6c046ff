#include "UserFolders.h"

#include "PlayerLock.h"
#include "ProgramPlaces.h"

UserFolders userFolders(const UserIds& ids) {
    const UserAccount account = actingAccount(ids);
    return {PlayerLock::folderFor(account), userDataFolder(account),
            ids.effective == 0 ? PlayerLock::everyUsersFolders(ids.everyAccount()) : QStringList(),
            account};
}
