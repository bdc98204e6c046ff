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

namespace {
QString folderPlayerId(const QString& root) {
    return QStringLiteral("path:") + QDir::cleanPath(QDir(root).absolutePath());
}
} // namespace

QString VolumeList::playerId(const QString& root) const {
    return folderPlayerId(root);
}

QString SystemVolumes::playerId(const QString& root) const {
    return playerIdOf(root, mountTable_);
}

namespace {
// The name of the link in `folder` that leads to `device`; udev writes a
// blank as \x20 and a slash as \x2f.
QString linkTo(const QString& folder, const QString& device) {
    const QDir links(folder);
    for (const QString& name :
         links.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(links.filePath(name)).canonicalFilePath() != device) {
            continue;
        }
        QByteArray decoded;
        const QByteArray raw = QFile::encodeName(name);
        for (qsizetype k = 0; k < raw.size(); ++k) {
            if (raw.mid(k, 2) == "\\x" && k + 3 < raw.size()) {
                decoded += static_cast<char>(raw.mid(k + 2, 2).toInt(nullptr, 16));
                k += 3;
            } else {
                decoded += raw[k];
            }
        }
        return QString::fromUtf8(decoded);
    }
    return QString();
}
} // namespace

QString playerIdOf(const QString& root, const QString& mountTable, const QString& diskLinks) {
    const QString folder = QDir::cleanPath(QDir(root).absolutePath());
    QString device; // of the last mount on the folder, the one seen there
    for (const Mount& mount : readMountTable(mountTable)) {
        if (QDir::cleanPath(mount.root) == folder) {
            device = QFileInfo(mount.source).canonicalFilePath();
        }
    }
    for (const char* kind : {"uuid", "label"}) {
        const QString name =
            device.isEmpty()
                ? QString()
                : linkTo(joinPath(diskLinks, QStringLiteral("by-") + QLatin1String(kind)), device);
        if (!name.isEmpty()) {
            return QLatin1String(kind) + u':' + name;
        }
    }
    return folderPlayerId(root);
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
