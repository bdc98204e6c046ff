#pragma once

#include <QList>
#include <QString>

// The mount table: where each file system is mounted, and what it is.

// One line of the mount table.
struct Mount {
    QString root; // the mount point, where the file system is seen
    QString type;
    QString source;      // the device mounted, when it is one
    bool spelt = true;   // false: the folder's name is not UTF-8, and `root` is not its name
    quint64 device = 0;  // the file system's device number, as stat() gives it (mountinfo only)
    QString inside = {}; // the folder of the file system mounted there ("/" unless a bind mount)
};

inline const QString kMountTable = QStringLiteral("/proc/self/mountinfo");

// Reads a mount table (the format of /proc/self/mountinfo, or of fstab)
// without touching any of its mounts; escaped names (\040 for a blank) come
// out as the folder is spelt. Empty when the table cannot be read.
QList<Mount> readMountTable(const QString& path);
