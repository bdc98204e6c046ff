#pragma once

#include "MountTable.h"

#include <QList>
#include <QString>

#include <optional>

// Which file a path leads to, whatever its spelling (a second mount of the
// same disk, a bind mount, a link, a hard link), the same for every process
// and whatever the kernel's caches did since. Where the file system keeps
// inode numbers, that is its device and inode. FAT and exFAT, the player's
// own file systems, have none on the disk: Linux makes one up each time it
// loads the file, so that after the kernel drops its inode cache the same
// file has another. There it is the device and the file's path inside the
// file system, case folded as FAT compares names.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;   // 0 where the file system keeps none
    QString inside = {}; // the path inside the file system, where it keeps none
    bool operator==(const FileIdentity&) const = default;
    // A short name for it, fit for a file name.
    QString key() const;
};

// What the system says of an open file.
struct FileFacts {
    quint64 device = 0;
    quint64 inode = 0;
    long fileSystemType = 0; // statfs's f_type
    QString resolved;        // its full path, without links
};

// False for the file systems whose inode numbers do not last (FAT, exFAT).
bool keepsInodeNumbers(long fileSystemType);

// The identity of the file the facts describe; `mounts` is the mount table,
// for its path inside its file system: the mount of its device under whose
// mount point it lies (the innermost, the last mounted).
FileIdentity identityFrom(const FileFacts& facts, const QList<Mount>& mounts);

// The identity of an open file; none when it cannot be looked at.
std::optional<FileIdentity> identityOfOpenFile(int fd);

// The file `path` leads to (links followed); none when it cannot be looked at.
std::optional<FileIdentity> fileIdentity(const QString& path);

// The same, or for a file still to be made, the identity it will have (from
// its folder's); none when neither can be looked at.
std::optional<FileIdentity> futureFileIdentity(const QString& path);
