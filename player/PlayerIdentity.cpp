#include "PlayerIdentity.h"

#include "settings/MountTable.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

PlayerIdentity playerIdentityOf(const QString& root, const QString& mountTable,
                                const QString& diskLinks) {
    PlayerIdentity identity = folderIdentity(root);
    const QString given = QDir::cleanPath(QDir(root).absolutePath());
    QString device; // of the last mount on the folder, the one seen there
    for (const Mount& mount : readMountTable(mountTable)) {
        // Never a look at the mounts themselves: a network share may hang.
        const QString point = QDir::cleanPath(mount.root);
        if (point == given || point == identity.path) {
            device = QFileInfo(mount.source).canonicalFilePath();
        }
    }
    if (device.isEmpty()) {
        return identity;
    }
    const auto named = [&](const char* kind) {
        return linkTo(joinPath(diskLinks, QStringLiteral("by-") + QLatin1String(kind)), device);
    };
    static const QRegularExpression partition(QStringLiteral("-part[0-9]+$"));
    identity.serial = named("id").remove(partition);
    identity.uuid = named("uuid");
    identity.label = named("label");
    return identity;
}
