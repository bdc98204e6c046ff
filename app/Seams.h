#pragma once

#include <QString>
#include <QStringList>

// What the window needs from the computer, handed to it at construction so
// that tests can stand in for drives and dialogs.

// The volumes where the player may be mounted, in the order they are searched;
// each entry is the folder that opening the volume gives (its root).
class VolumeList {
public:
    virtual ~VolumeList() = default;
    virtual QStringList roots() const = 0;
};

// Message boxes with an OK button only and the program's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text) = 0;
};

struct Seams {
    const VolumeList& volumes;
    MessageBoxes& messages;
    QString programFolder; // where the station list and the backup lie
};
