#pragma once

#include "UserAccount.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// One editor window at a time on a player, and no command writing under it:
// two writers with a copy of the settings each would silently undo each
// other's edits. The lock is a file in a folder of the user's that every
// process of the user finds whatever its environment, never on the player;
// it is named after the player's file itself (its identity: see
// FileIdentity), so that a second mount, a bind mount or a hard link of the
// same file share it. The system lets go of it when its holder ends, however
// it ends; a holder that lets go removes it.
class PlayerLock {
public:
    enum class Holder { Window, Command };

    static inline const QString kRuntimeRoot = QStringLiteral("/run/user");

    // The lock folder of `account`: /run/user/<uid> when the system made it
    // for the user, else ~/.local/state/ostrel-settings in the account's home:
    // folders that no other user can make in the user's place. Taken from the
    // account alone, never from the environment (cron, su, sudo and ssh
    // sessions may lack XDG_RUNTIME_DIR). Empty when the account has no home.
    static QString folderFor(const UserAccount& account, const QString& runtimeRoot = kRuntimeRoot);
    // Every lock folder the accounts have made, for root to look into.
    static QStringList everyUsersFolders(const QList<UserAccount>& accounts,
                                         const QString& runtimeRoot = kRuntimeRoot);

    // `otherFolders`: other users' lock folders (root's look); a lock of the
    // same player there is taken too when it exists, never made. `owner`: the
    // account the lock file and its folder are made as (root through sudo).
    PlayerLock(QString folder, const QString& settingsFile, Holder holder,
               QStringList otherFolders = {}, std::optional<UserAccount> owner = {});
    ~PlayerLock();
    PlayerLock(const PlayerLock&) = delete;
    PlayerLock& operator=(const PlayerLock&) = delete;

    enum class Outcome {
        Taken,         // held until this object goes
        HeldByWindow,  // an editor window has the player open
        HeldByCommand, // an ostrelctl command is writing it
        Unavailable,   // the lock cannot be made: problem() says why
    };
    // While a command holds the lock, tries again until `patience` has passed:
    // a command holds it only for the length of one write.
    Outcome take(std::chrono::milliseconds patience = std::chrono::milliseconds(0));
    static constexpr std::chrono::seconds kCommandPatience{10};

    // Why the lock could not be made, in French.
    const QString& problem() const { return problem_; }
    // Its lock file, named after the player's file as it was when made.
    const QString& path() const { return path_; }

    // The lock file's path, the same for every program that opens this player.
    static QString pathFor(const QString& folder, const QString& settingsFile);

private:
    struct Held {
        int fd;
        QString path;
    };
    Outcome tryOnce();
    // The lock file at `path` (made when `make`); nothing held and Taken when
    // it is not there to take.
    Outcome hold(const QString& path, bool make, std::optional<Held>& held);
    void letGo();

    QString folder_;
    QString path_;
    QString file_;
    Holder holder_;
    QStringList otherFolders_;
    std::optional<UserAccount> owner_;
    QList<Held> held_;
    QString problem_;
};
