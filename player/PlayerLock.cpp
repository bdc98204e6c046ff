#include "PlayerLock.h"

#include "settings/SettingsProbe.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

QString PlayerLock::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString PlayerLock::pathFor(const QString& folder, const QString& settingsFile) {
    // The same player reached by another spelling of its path gets the same lock.
    const QFileInfo file(settingsFile);
    const QString canonical = file.canonicalFilePath();
    const QString key = canonical.isEmpty() ? file.absoluteFilePath() : canonical;
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(key), QCryptographicHash::Sha1).toHex();
    return joinPath(folder,
                    QStringLiteral("ostrel-settings-%1.lock").arg(QString::fromLatin1(hash)));
}

PlayerLock::PlayerLock(const QString& folder, const QString& settingsFile)
    : lock_(folder.isEmpty() ? nullptr
                             : std::make_unique<QLockFile>(pathFor(folder, settingsFile))) {
    if (lock_) {
        // Only a dead holder makes a lock stale, however long an editor stays open.
        lock_->setStaleLockTime(0);
    }
}

PlayerLock::~PlayerLock() = default;

PlayerLock::Outcome PlayerLock::take() {
    if (!lock_) {
        return Outcome::Unavailable;
    }
    if (lock_->tryLock(0)) {
        return Outcome::Taken;
    }
    return lock_->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere
                                                        : Outcome::Unavailable;
}
