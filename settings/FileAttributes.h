#pragma once

#include <QtGlobal>

// The attributes the player's file system keeps on settings.dat.
struct FileAttributes {
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
};

// Sets them on the open file `fd`, never by its name: another file may take
// the name meanwhile. Read-only is the file's write permission; hidden and
// system are the FAT attributes, on a file system that keeps them (the
// player's), and are quietly left alone elsewhere. Returns false when the
// read-only part could not be set.
bool setFileAttributes(int fd, const FileAttributes& attributes);

// The FAT attribute byte with read-only, hidden and system as wanted and
// every other bit (archive, among them) as it was.
quint32 fatAttributeBits(quint32 current, const FileAttributes& wanted);
