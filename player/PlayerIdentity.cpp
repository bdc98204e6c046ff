#include "PlayerIdentity.h"

#include "settings/MountTable.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <blkid/blkid.h>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
struct PlayerIdentityText {
    Q_DECLARE_TR_FUNCTIONS(PlayerIdentity)
};

// The name of the first link in `folder` that leads to `device`; udev
// writes a blank as \x20 and a slash as \x2f.
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

QString resolved(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? QDir(folder).absolutePath() : canonical);
}
} // namespace

QString PlayerIdentity::key() const {
    if (!serial.isEmpty()) {
        return QStringLiteral("serial:") + serial;
    }
    if (!uuid.isEmpty()) {
        return QStringLiteral("uuid:") + uuid;
    }
    if (!label.isEmpty()) {
        return QStringLiteral("label:%1 path:%2").arg(label, path);
    }
    return QStringLiteral("path:") + path;
}

QString PlayerIdentity::legacyKey() const {
    if (!uuid.isEmpty()) {
        return QStringLiteral("uuid:") + uuid;
    }
    if (!label.isEmpty()) {
        return QStringLiteral("label:") + label;
    }
    return QStringLiteral("path:") + path;
}

PlayerIdentity PlayerIdentity::fromLegacyKey(const QString& key) {
    PlayerIdentity identity;
    const QString value = key.section(u':', 1);
    if (key.startsWith(QLatin1String("uuid:"))) {
        identity.uuid = value;
    } else if (key.startsWith(QLatin1String("label:"))) {
        identity.label = value;
    } else if (key.startsWith(QLatin1String("path:"))) {
        identity.path = value;
    }
    return identity;
}

bool PlayerIdentity::samePlayer(const PlayerIdentity& other) const {
    const auto bothKnow = [&](const QString PlayerIdentity::*field) {
        return !(this->*field).isEmpty() && !(other.*field).isEmpty();
    };
    if (bothKnow(&PlayerIdentity::serial)) {
        return serial == other.serial;
    }
    if (bothKnow(&PlayerIdentity::uuid)) {
        return uuid == other.uuid;
    }
    if (bothKnow(&PlayerIdentity::label) && label != other.label) {
        return false;
    }
    return !bothKnow(&PlayerIdentity::path) || path == other.path;
}

QString PlayerIdentity::shown() const {
    QStringList parts;
    if (!label.isEmpty()) {
        parts.append(label);
    }
    if (!serial.isEmpty()) {
        parts.append(PlayerIdentityText::tr("disque %1").arg(serial));
    }
    if (!uuid.isEmpty()) {
        parts.append(PlayerIdentityText::tr("UUID %1").arg(uuid));
    }
    if (!path.isEmpty()) {
        parts.append(path);
    }
    return parts.join(QStringLiteral(", "));
}

PlayerIdentity folderIdentity(const QString& root) {
    return PlayerIdentity{{}, {}, {}, resolved(root)};
}

std::optional<quint32> fatVolumeId(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(),
                          O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    quint32 id = 0;
    const bool known = fd >= 0 && ::ioctl(fd, FAT_IOCTL_GET_VOLUME_ID, &id) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return known ? std::optional<quint32>(id) : std::nullopt;
}

std::pair<QString, QString> probedUuidAndLabel(const QString& device) {
    std::pair<QString, QString> found;
    blkid_probe probe = blkid_new_probe_from_filename(QFile::encodeName(device).constData());
    if (probe == nullptr) {
        return found; // not to be read by this user, or gone
    }
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_UUID | BLKID_SUBLKS_LABEL);
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0) {
        if (blkid_probe_lookup_value(probe, "UUID", &value, nullptr) == 0) {
            found.first = QString::fromUtf8(value);
        }
        if (blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0) {
            found.second = QString::fromUtf8(value);
        }
    }
    blkid_free_probe(probe);
    return found;
}

PlayerIdentity playerIdentityOf(const QString& root, const QString& mountTable,
                                const QString& diskLinks, const KernelFacts& kernel) {
    PlayerIdentity identity = folderIdentity(root);
    const QString given = QDir::cleanPath(QDir(root).absolutePath());
    std::optional<Mount> mounted; // the last mount on the folder, the one seen there
    for (const Mount& mount : readMountTable(mountTable)) {
        // Never a look at the mounts themselves: a network share may hang.
        const QString point = QDir::cleanPath(mount.root);
        if (point == given || point == identity.path) {
            mounted = mount;
        }
    }
    if (!mounted) {
        return identity;
    }
    const QString device = QFileInfo(mounted->source).canonicalFilePath();
    if (!device.isEmpty()) {
        const auto named = [&](const char* kind) {
            return linkTo(joinPath(diskLinks, QStringLiteral("by-") + QLatin1String(kind)), device);
        };
        static const QRegularExpression partition(QStringLiteral("-part[0-9]+$"));
        identity.serial = named("id").remove(partition);
        identity.uuid = named("uuid");
        identity.label = named("label");
    }
    // Where udev said nothing, the kernel: the first serial on the way from
    // the partition up through its disk to the device that holds it (a USB
    // stick's, a virtual disk's).
    const QString devices =
        QFileInfo(kernel.sysfs + QStringLiteral("/devices")).canonicalFilePath();
    QString at = QFileInfo(kernel.sysfs + QStringLiteral("/dev/block/%1:%2")
                                              .arg(major(mounted->device))
                                              .arg(minor(mounted->device)))
                     .canonicalFilePath();
    for (; identity.serial.isEmpty() && mounted->device != 0 && !devices.isEmpty() &&
           at.startsWith(devices + u'/');
         at = QFileInfo(at).path()) {
        QFile serial(at + QStringLiteral("/serial"));
        if (serial.open(QIODevice::ReadOnly)) {
            identity.serial = QString::fromUtf8(serial.read(256)).trimmed();
        }
    }
    static const QStringList fat{QStringLiteral("vfat"), QStringLiteral("msdos"),
                                 QStringLiteral("fat")};
    if (const std::optional<quint32> id = identity.uuid.isEmpty() && fat.contains(mounted->type)
                                              ? kernel.volumeId(given)
                                              : std::nullopt) {
        identity.uuid = QStringLiteral("%1-%2")
                            .arg(*id >> 16, 4, 16, QLatin1Char('0'))
                            .arg(*id & 0xffff, 4, 16, QLatin1Char('0'))
                            .toUpper(); // as blkid and udev spell it
    }
    if ((identity.uuid.isEmpty() || identity.label.isEmpty()) && !device.isEmpty()) {
        const auto [uuid, label] = kernel.probe(device);
        identity.uuid = identity.uuid.isEmpty() ? uuid : identity.uuid;
        identity.label = identity.label.isEmpty() ? label : identity.label;
    }
    return identity;
}
