// Finding the player among the mounts without touching network shares.
#include "player/Volumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A mount table line in the kernel's format: blanks in the folder are escaped.
QByteArray mountLine(int id, const QString& root, const char* type) {
    QByteArray escaped = QFile::encodeName(root);
    escaped.replace(" ", "\\040");
    return QByteArray::number(id) + " 1 0:" + QByteArray::number(id) + " / " + escaped +
           " rw,relatime shared:1 - " + type + " source rw\n";
}
} // namespace

TEST(MountTypes, NetworkRemoteAndPseudoFileSystemsNeverHoldThePlayer) {
    for (const char* type : {"vfat", "exfat", "msdos", "ext4", "btrfs", "fuseblk", "ntfs3"}) {
        EXPECT_TRUE(mayHoldPlayer(type)) << type;
    }
    for (const char* type :
         {"nfs",  "nfs4",  "cifs",      "smb3",     "smbfs",      "ncpfs",       "9p",
          "afs",  "ceph",  "glusterfs", "davfs",    "fuse.sshfs", "fuse.rclone", "fuse.gvfsd-fuse",
          "proc", "sysfs", "tmpfs",     "devtmpfs", "autofs",     "cgroup2",     "overlay",
          ""}) {
        EXPECT_FALSE(mayHoldPlayer(type)) << type;
    }
}

// Each network mount's folder holds a player's file and sorts last: had the
// scan looked at it, it would have won.
TEST(SystemVolumes, GivenFoldersFirstThenLocalMountsByRootNetworkSharesNeverLookedAt) {
    QTemporaryDir dir;
    const QString given = dir.filePath("given");
    const QString player = dir.filePath("media/MY PLAYER");
    const QString otherDisk = dir.filePath("media/AAA");
    const QString nfs = dir.filePath("zz-nfs");
    const QString sshfs = dir.filePath("zz-sshfs");
    for (const QString& folder : {given, player, otherDisk, nfs, sshfs}) {
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    for (const QString& folder : {player, nfs, sshfs}) {
        writeText(folder + "/settings.dat", QByteArray(699, '\0'));
    }
    const QString table = dir.filePath("mountinfo");
    writeText(table, mountLine(30, nfs, "nfs4") + mountLine(31, player, "vfat") +
                         mountLine(32, "/proc", "proc") + mountLine(33, sshfs, "fuse.sshfs") +
                         mountLine(34, otherDisk, "exfat") + mountLine(35, player, "vfat"));

    const SystemVolumes volumes({given}, table);
    EXPECT_EQ(volumes.roots(), (QStringList{given, otherDisk, player}));
    const std::optional<PlayerFile> found = findPlayerFile(volumes);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path(), player + "/settings.dat");

    EXPECT_EQ(SystemVolumes({given}, dir.filePath("no-such-table")).roots(), QStringList{given});
}
