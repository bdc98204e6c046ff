// Finding the player among the mounts without touching network shares.
#include "player/Volumes.h"
#include "settings/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/sysmacros.h>

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

// The player's file must be the same file to every process whatever the
// kernel's caches did: FAT makes up a new inode number each time it loads a
// file, so there a file is its device and its path inside the file system,
// however it is reached; elsewhere it is its inode.
TEST(FileIdentity, OneFileOneIdentityWhateverTheInodeCacheDid) {
    QTemporaryDir dir;
    // One FAT disk (8:16) at two mount points and a folder of it bound elsewhere.
    writeText(dir.filePath("mountinfo"), "21 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                         "40 21 8:16 / /media/a/OSTREL rw - vfat /dev/sdb rw\n"
                                         "41 21 8:16 / /mnt/second rw - vfat /dev/sdb rw\n"
                                         "42 21 8:16 /MUSIC /home/a/music rw - vfat /dev/sdb rw\n");
    const QList<Mount> mounts = readMountTable(dir.filePath("mountinfo"));
    const auto fat = [](quint64 inode, const char* path, quint64 device = makedev(8, 16)) {
        return FileFacts{device, inode, 0x4d44, path};
    };
    const auto ext4 = [](quint64 inode, const char* path) {
        return FileFacts{makedev(8, 1), inode, 0xEF53, path};
    };
    const struct {
        const char* what;
        FileFacts first, second;
        bool same;
    } cases[] = {
        {"FAT, cache dropped", fat(3, "/media/a/OSTREL/s.dat"), fat(4, "/media/a/OSTREL/s.dat"), 1},
        {"FAT, second mount", fat(3, "/media/a/OSTREL/s.dat"), fat(9, "/mnt/second/S.DAT"), 1},
        {"FAT, bound folder", fat(3, "/media/a/OSTREL/Music/a"), fat(5, "/home/a/music/a"), 1},
        {"FAT, another file", fat(3, "/media/a/OSTREL/s.dat"), fat(3, "/media/a/OSTREL/t.dat"), 0},
        {"FAT, another disk", fat(3, "/mnt/second/s.dat"), fat(3, "/mnt/second/s.dat", 7), 0},
        {"ext4, hard link", ext4(77, "/home/a.dat"), ext4(77, "/home/b.dat"), 1},
        {"ext4, file replaced", ext4(77, "/home/a.dat"), ext4(78, "/home/a.dat"), 0},
    };
    for (const auto& c : cases) {
        const FileIdentity first = identityFrom(c.first, mounts);
        const FileIdentity second = identityFrom(c.second, mounts);
        EXPECT_EQ(first == second && first.key() == second.key(), c.same) << c.what;
    }
}
