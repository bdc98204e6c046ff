#pragma once

#include <QString>

// The attributes the player's file system keeps on settings.dat.
struct FileAttributes {
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
};

// Read-only is the file's write permission; hidden and system are the FAT
// attributes, on a file system that keeps them (the player's), and are
// quietly left alone elsewhere. Returns false when the read-only part could
// not be set.
bool setFileAttributes(const QString& path, const FileAttributes& attributes);

// The FAT attribute byte with read-only, hidden and system as wanted and
// every other bit (archive, among them) as it was.
quint32 fatAttributeBits(quint32 current, const FileAttributes& wanted);
