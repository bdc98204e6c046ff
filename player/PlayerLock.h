#pragma once

#include "UserAccount.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// Where a program locks a player, and where it looks for whoever holds it.
struct LockFolders {
    QString own;              // the acting user's lock folder: the lock is made there
    QStringList alsoOwn = {}; // the user's other lock folder: a holder there counts too
    // Root's lock folder: a program with root's rights (root's own, or root
    // through sudo) locks there too, where every user's program looks.
    QString root = {};
    // With root's rights, every other user's lock folders: a lock there
    // counts only when its holder could write the player's file itself.
    struct Other {
        QString folder;
        UserAccount user;
    };
    QList<Other> others = {};
    bool rootsRights = false; // the program has them: root's own, or through sudo
};

// One editor window at a time on a player, and no command writing under it:
// two writers with a copy of the settings each would silently undo each
// other's edits. The lock is a file in a folder of the user's that every
// process of the user finds whatever its environment, never on the player;
// it is named after the player's file itself (its identity: see
// FileIdentity), so that a second mount, a bind mount or a hard link of the
// same file share it. The system lets go of it when its holder ends, however
// it ends; a holder that lets go removes it. Each program takes its own
// locks before it looks at anyone else's, so that of two that start at
// once, at least one sees the other.
class PlayerLock {
public:
    enum class Holder { Window, Command };

    static inline const QString kRuntimeRoot = QStringLiteral("/run/user");
    // Root's: only root can make files there, everyone can look.
    static inline const QString kRootFolder = QStringLiteral("/run/ostrel-settings");

    // The lock folders of `account`, the one it locks in first:
    // /run/user/<uid> when the system made it for the user, else
    // ~/.local/state/ostrel-settings in the account's home; folders that no
    // other user can make in the user's place. Taken from the account alone,
    // never from the environment (cron, su, sudo and ssh sessions may lack
    // XDG_RUNTIME_DIR). Both, since the runtime folder comes and goes with
    // the user's sessions while a window stays open; none for an account
    // without a home or a runtime folder.
    static QStringList foldersOf(const UserAccount& account,
                                 const QString& runtimeRoot = kRuntimeRoot);
    static QString folderFor(const UserAccount& account,
                             const QString& runtimeRoot = kRuntimeRoot) {
        return foldersOf(account, runtimeRoot).value(0);
    }
    // The lock folders of every user but `except` and root, for root to look into.
    static QList<LockFolders::Other> everyUsersFolders(const UserIds& ids, uid_t except,
                                                       const QString& runtimeRoot = kRuntimeRoot);

    PlayerLock(LockFolders folders, const QString& settingsFile, Holder holder);
    PlayerLock(const QString& folder, const QString& settingsFile, Holder holder)
        : PlayerLock(LockFolders{folder}, settingsFile, holder) {}
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
    // Who holds the player, when take() found it held, as a refusal names
    // them: empty when it is the user the program works for (another
    // window or command of theirs), else "l'utilisateur anne" or "root".
    QString otherHolder() const;
    // Its lock file, named after the player's file as it was when made.
    const QString& path() const { return path_; }

    // The lock file's path, the same for every program that opens this player.
    static QString pathFor(const QString& folder, const QString& settingsFile);

private:
    struct Held {
        int fd;
        QString path;
        bool roots = false; // in root's folder: removed with root's rights
    };
    Outcome tryOnce();
    // Makes `folder` (as the process is now) and holds the lock file there.
    Outcome takeIn(const QString& folder, unsigned mode, bool publish);
    Outcome hold(const QString& path);
    Outcome refused(Holder holder, uid_t who);
    void letGo();

    LockFolders folders_;
    QString key_;
    QString path_;
    QString file_;
    Holder holder_;
    QList<Held> held_;
    QString problem_;
    uid_t self_ = 0; // the user the program works for
    std::optional<uid_t> holderUid_;
};
