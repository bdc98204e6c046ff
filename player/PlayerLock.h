#pragma once

#include <QString>

#include <chrono>

// One editor window at a time on a player, and no command writing under it:
// two writers with a copy of the settings each would silently undo each
// other's edits. The lock is a file in a folder of the user's that every
// process of the user finds whatever its environment, never on the player;
// it is named after the player's file itself (its device and inode), so that
// a second mount, a bind mount or a hard link of the same file share it. The
// system lets go of it when its holder ends, however it ends.
class PlayerLock {
public:
    enum class Holder { Window, Command };

    // The user's lock folder: /run/user/<uid> when the system made it for the
    // user, else /tmp/ostrel-settings-<uid>. Taken from the user id alone,
    // never from the environment (cron, su, sudo and ssh sessions may lack
    // XDG_RUNTIME_DIR).
    static QString defaultFolder();

    PlayerLock(QString folder, const QString& settingsFile, Holder holder);
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

    // The lock file's path, the same for every program that opens this player.
    static QString pathFor(const QString& folder, const QString& settingsFile);

private:
    Outcome tryOnce();

    QString folder_;
    QString path_;
    Holder holder_;
    int fd_ = -1;
    QString problem_;
};
