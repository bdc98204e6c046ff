// The player comes and goes: plugged in after start-up, unplugged while the
// window is open, plugged back (often as another device, at another mount
// point). The window follows it by its identity, as the history does.
#include "Form1.h"

#include "PathLabel.h"
#include "StatusLine.h"
#include "player/PlayerLock.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"

std::optional<PlayerFile> Form1::waitForPlayer() {
    // The message stays the program's last word when OK is pressed; while it
    // is open, a player plugged in closes it and the window opens on it.
    std::optional<PlayerFile> found;
    QMetaObject::Connection watching;
    if (seams_.mountEvents) {
        watching = connect(seams_.mountEvents, &MountEvents::changed, this, [this, &found] {
            if (!found && (found = findPlayerFile(seams_.volumes))) {
                seams_.messages.closeMessage();
            }
        });
    }
    seams_.messages.show(tr("l'ostrel n'a pas été trouvé"));
    disconnect(watching);
    return found;
}

void Form1::watchThePlayer() {
    if (seams_.mountEvents) {
        connect(seams_.mountEvents, &MountEvents::changed, this, &Form1::mountsChanged,
                Qt::UniqueConnection);
    }
}

std::optional<PlayerFile> Form1::findThisPlayer() const {
    // Where it was, if it is still there; else the last place it is found.
    std::optional<PlayerFile> found;
    for (const QString& root : seams_.volumes.roots()) {
        const std::optional<QString> name = settingsFileIn(root);
        if (name && seams_.volumes.player(root).key() == player_.key()) {
            found = PlayerFile{joinPath(root, QString()), *name};
            if (found->path() == DeviceSettingsPath) {
                break;
            }
        }
    }
    return found;
}

void Form1::mountsChanged() {
    const std::optional<PlayerFile> found = findThisPlayer();
    if (!found) {
        if (!unplugged_) {
            unplugged_ = true;
            Label10->setText(tr("l'ostrel a été débranché : vos modifications restent dans la "
                                "fenêtre ; rebranchez-le pour les écrire"));
        }
        return;
    }
    if (!unplugged_ && found->path() == DeviceSettingsPath) {
        return; // another volume came or went
    }
    unplugged_ = false;
    if (SettingsPath == DeviceSettingsPath) {
        SettingsPath = found->path();
    }
    DeviceSettingsPath = found->path();
    Label11->setPath(found->root);
    // The same bytes as the window last read or wrote: the same file, only
    // reached through another device; a write needs no question.
    const FileContents now = readSettingsContents(DeviceSettingsPath);
    if (onPlayer_ && now.ok() && now.bytes == onPlayer_->bytes) {
        onPlayer_->identity = now.identity;
    }
    // Its lock, when it is free: a command may not write under the window.
    auto lock = lockOf(DeviceSettingsPath);
    if (!seams_.user.locks.own.isEmpty() && lock->take() == PlayerLock::Outcome::Taken) {
        playerLock_ = std::move(lock);
    }
    Label10->setText(tr("l'ostrel est de retour : %1").arg(found->root));
}
