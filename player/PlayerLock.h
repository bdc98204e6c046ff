#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One editor at a time on a player: two windows with an image each would
// silently undo each other's edits. The lock lies in the user's runtime
// folder, never on the player, and is named after the player's file; a lock
// left by an editor that crashed is taken over.
class PlayerLock {
public:
    // The user's runtime folder, where the locks lie.
    static QString defaultFolder();

    PlayerLock(const QString& folder, const QString& settingsFile);
    ~PlayerLock();
    PlayerLock(const PlayerLock&) = delete;
    PlayerLock& operator=(const PlayerLock&) = delete;

    enum class Outcome {
        Taken,         // held until this object goes
        HeldElsewhere, // a live editor has the player open
        Unavailable,   // the lock cannot be made here (no runtime folder...)
    };
    Outcome take();

    // The lock file's path, the same for every program that opens this player.
    static QString pathFor(const QString& folder, const QString& settingsFile);

private:
    std::unique_ptr<QLockFile> lock_;
};
