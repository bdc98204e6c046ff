#include "FileIdentity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace {
// statfs's f_type of FAT (vfat and msdos alike) and of the kernel's exFAT.
constexpr long kFatMagic = 0x4d44;
constexpr long kExFatMagic = 0x2011BAB0;

QString insideFileSystem(const FileFacts& facts, const QList<Mount>& mounts) {
    const Mount* holder = nullptr;
    for (const Mount& mount : mounts) {
        const QString point = QDir::cleanPath(mount.root);
        const bool under = facts.resolved == point || point == QLatin1String("/") ||
                           facts.resolved.startsWith(point + u'/');
        // The innermost mount point; of two on the same one, the last mounted.
        if (mount.device == facts.device && under &&
            (!holder || point.size() >= QDir::cleanPath(holder->root).size())) {
            holder = &mount;
        }
    }
    if (!holder) {
        return facts.resolved; // not in this table: its full path is as lasting
    }
    const QString point = QDir::cleanPath(holder->root);
    const QString rest =
        point == QLatin1String("/") ? facts.resolved : facts.resolved.mid(point.size());
    return QDir::cleanPath(holder->inside + u'/' + rest);
}
} // namespace

QString FileIdentity::key() const {
    QString key = QString::number(device, 16) + u'-' + QString::number(inode, 16);
    if (!inside.isEmpty()) {
        key += u'-' + QString::fromLatin1(
                          QCryptographicHash::hash(inside.toUtf8(), QCryptographicHash::Sha1)
                              .toHex()
                              .left(16));
    }
    return key;
}

bool keepsInodeNumbers(long fileSystemType) {
    return fileSystemType != kFatMagic && fileSystemType != kExFatMagic;
}

FileIdentity identityFrom(const FileFacts& facts, const QList<Mount>& mounts) {
    if (keepsInodeNumbers(facts.fileSystemType)) {
        return {facts.device, facts.inode};
    }
    return {facts.device, 0, insideFileSystem(facts, mounts).toCaseFolded()};
}

std::optional<FileIdentity> identityOfOpenFile(int fd) {
    struct stat status {};
    struct statfs fileSystem {};
    if (::fstat(fd, &status) != 0 || ::fstatfs(fd, &fileSystem) != 0) {
        return std::nullopt;
    }
    FileFacts facts{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino),
                    static_cast<long>(fileSystem.f_type), QString()};
    if (keepsInodeNumbers(facts.fileSystemType)) {
        return identityFrom(facts, {});
    }
    // The path the kernel opened, links resolved, in this process's mounts.
    char resolved[4096];
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t length = ::readlink(self.constData(), resolved, sizeof resolved);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof resolved)) {
        return std::nullopt;
    }
    facts.resolved = QFile::decodeName(QByteArray(resolved, static_cast<int>(length)));
    return identityFrom(facts, readMountTable(kMountTable));
}

std::optional<FileIdentity> fileIdentity(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    // O_PATH: nothing is opened for reading, so a FIFO does not block.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<FileIdentity> identity = identityOfOpenFile(fd);
    ::close(fd);
    return identity;
}

std::optional<FileIdentity> futureFileIdentity(const QString& path) {
    if (std::optional<FileIdentity> identity = fileIdentity(path)) {
        return identity;
    }
    const QFileInfo file(path);
    std::optional<FileIdentity> folder = fileIdentity(file.absolutePath());
    if (!folder) {
        return std::nullopt;
    }
    if (folder->inside.isEmpty()) {
        folder->inside = file.fileName(); // the folder's inode, and the name in it
    } else {
        folder->inside = QDir::cleanPath(folder->inside + u'/' + file.fileName().toCaseFolded());
    }
    return folder;
}
