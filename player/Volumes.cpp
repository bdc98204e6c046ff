#include "Volumes.h"

#include "settings/SettingsProbe.h"

#include <QDir>
#include <QFile>

#include <libmount/libmount.h>

#include <algorithm>

namespace {
// Network and remote file systems that libmount does not know as such.
const QStringList kRemoteTypes{
    QStringLiteral("ceph"),           QStringLiteral("davfs"),
    QStringLiteral("coda"),           QStringLiteral("lustre"),
    QStringLiteral("beegfs"),         QStringLiteral("orangefs"),
    QStringLiteral("glusterfs"),      QStringLiteral("fuse.sshfs"),
    QStringLiteral("fuse.rclone"),    QStringLiteral("fuse.s3fs"),
    QStringLiteral("fuse.gcsfuse"),   QStringLiteral("fuse.curlftpfs"),
    QStringLiteral("fuse.smbnetfs"),  QStringLiteral("fuse.glusterfs"),
    QStringLiteral("fuse.davfs2"),    QStringLiteral("fuse.gvfsd-fuse"),
    QStringLiteral("fuse.cephfs"),    QStringLiteral("fuse.ceph-fuse"),
    QStringLiteral("fuse.httpdirfs"), QStringLiteral("fuse.onedriver"),
};
} // namespace

bool mayHoldPlayer(const QString& type) {
    const QByteArray name = type.toUtf8();
    return !type.isEmpty() && mnt_fstype_is_netfs(name.constData()) == 0 &&
           mnt_fstype_is_pseudofs(name.constData()) == 0 &&
           !kRemoteTypes.contains(type, Qt::CaseInsensitive);
}

SystemVolumes::SystemVolumes(QStringList extraFolders, QString mountTable)
    : extraFolders_(std::move(extraFolders))
    , mountTable_(std::move(mountTable)) {}

QStringList SystemVolumes::roots() const {
    QStringList mounted;
    for (const Mount& mount : readMountTable(mountTable_)) {
        if (mount.spelt && mayHoldPlayer(mount.type) && !mounted.contains(mount.root)) {
            mounted.append(mount.root);
        }
    }
    std::sort(mounted.begin(), mounted.end());
    QStringList roots;
    for (const QString& folder : extraFolders_) {
        roots.append(QDir(folder).absolutePath());
    }
    return roots + mounted;
}

QStringList SystemVolumes::unnamedRoots() const {
    QStringList unnamed;
    for (const Mount& mount : readMountTable(mountTable_)) {
        if (!mount.spelt && mayHoldPlayer(mount.type)) {
            unnamed.append(mount.root);
        }
    }
    return unnamed;
}

PlayerIdentity VolumeList::player(const QString& root) const {
    return folderIdentity(root);
}

PlayerIdentity SystemVolumes::player(const QString& root) const {
    return playerIdentityOf(root, mountTable_);
}

std::optional<PlayerFile> findPlayerFile(const VolumeList& volumes) {
    std::optional<PlayerFile> player;
    for (const QString& root : volumes.roots()) {
        if (const auto name = settingsFileIn(root)) {
            player = PlayerFile{joinPath(root, QString()), *name};
        }
    }
    return player;
}

VolumeArgument takeVolumeArgument(const QStringList& arguments, int& i, QStringList& volumes) {
    const QString& argument = arguments[i];
    if (argument.startsWith(QLatin1String("--volume="))) {
        volumes.append(argument.mid(9));
        return VolumeArgument::Taken;
    }
    if (argument != QLatin1String("--volume")) {
        return VolumeArgument::NotOne;
    }
    if (i + 1 >= arguments.size()) {
        return VolumeArgument::FolderMissing;
    }
    volumes.append(arguments[++i]);
    return VolumeArgument::Taken;
}
