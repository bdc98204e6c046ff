#pragma once

#include "player/MountEvents.h"
#include "player/UserFolders.h"
#include "player/Volumes.h"

#include <QDBusConnection>
#include <QPalette>
#include <QString>

// What the window needs from the computer, handed to it at construction so
// that tests can stand in for drives, dialogs and desktop themes.

// Message boxes with the program's title: a message with an OK button only,
// a question answered yes or no, "no" being the default, or a choice among
// answers (the index of the one chosen; Escape gives the default).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text) = 0;
    virtual bool ask(const QString& question) = 0;
    virtual int choose(const QString& question, const QStringList& answers, int defaultAnswer) = 0;
    // Closes the message being shown, as if OK had been pressed.
    virtual void closeMessage() = 0;
};

struct Seams {
    const VolumeList& volumes;
    MessageBoxes& messages;
    QString programFolder; // where the station list and the backup lie
    UserFolders user;      // the lock, the history, and the backup of an installed program
    QPalette palette;      // the desktop's colours; by default the application's
    MountEvents* mountEvents = nullptr; // when the mounts change; none: never watched
    // The user's session bus, where a second launch finds this window and
    // ostrelctl hands it its writes; none: the window is alone.
    std::optional<QDBusConnection> bus = std::nullopt;
};
