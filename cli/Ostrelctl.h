#pragma once

#include "player/PlayerLock.h"
#include "player/Volumes.h"

#include <QDBusConnection>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QTextStream;

// ostrelctl: the player's settings from the command line, on the same core as
// the window. No widgets and no display.

// What the commands reach outside themselves; tests put folders of their own.
struct CliSeams {
    QString mountTable = kMountTable; // where the player is looked for
    LockFolders locks;                // where an open editor locks its player
    QIODevice* input = nullptr;       // standard input, for "import -"
    QString historyFolder = {};       // where writes keep what they replace
    // How long a write waits for another command to finish with the player.
    std::chrono::milliseconds lockPatience = PlayerLock::kCommandPatience;
    // When set, the lock and history folders are found for these ids
    // (setUserFolders) by the commands that need them.
    std::optional<UserIds> userIds = {};
    // The user's session bus, through which a write goes to the window that
    // holds the player; none: such a write is refused.
    std::function<std::optional<QDBusConnection>()> sessionBus = {};
};

// The lock and history folders of the user a command works for (see
// actingAccount); root, through sudo or not, also looks into every user's
// lock folder.
void setUserFolders(CliSeams& seams, const UserIds& ids);

// 0: done; 1: the answer is no (not found, not valid, different);
// 2: bad usage, a refused value, or a file that cannot be read or written.
enum ExitCode { kDone = 0, kNo = 1, kTrouble = 2 };

// Runs one command line (without the program's name); what it prints goes to
// `out`, errors to `err`. Returns the exit code.
int runOstrelctl(const QStringList& arguments, QTextStream& out, QTextStream& err,
                 const CliSeams& seams);
