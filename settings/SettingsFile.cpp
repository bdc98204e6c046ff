#include "SettingsFile.h"

#include "Fields.h"
#include "FileAttributes.h"
#include "SettingsImage.h"
#include "SettingsProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
struct SettingsFileText {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};
} // namespace

namespace {

QString systemReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return SettingsFileText::tr("le fichier settings.dat n'existe plus sur l'ostrel "
                                    "(le lecteur a-t-il été débranché ?)");
    case EISDIR:
        return SettingsFileText::tr("settings.dat est un dossier sur l'ostrel, pas un fichier");
    case ELOOP:
        return SettingsFileText::tr("settings.dat est un lien sur l'ostrel, pas un fichier");
    case EROFS:
        return SettingsFileText::tr("le disque de l'ostrel est protégé en écriture");
    case EACCES:
    case EPERM:
        return SettingsFileText::tr("l'écriture dans settings.dat est refusée");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return SettingsFileText::tr("le disque de l'ostrel est plein");
    case EIO:
    case ENXIO:
    case ENODEV:
        return SettingsFileText::tr("erreur d'entrée-sortie sur le disque de l'ostrel "
                                    "(le lecteur a-t-il été débranché ?)");
    default:
        return SettingsFileText::tr("erreur du système n° %1").arg(error);
    }
}

QString folderReason(int error, const QString& folder) {
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return SettingsFileText::tr("le disque est plein");
    case EROFS:
    case EACCES:
    case EPERM:
        return SettingsFileText::tr("le dossier %1 ne peut pas être écrit").arg(folder);
    case ENOENT:
    case ENOTDIR:
        return SettingsFileText::tr("le dossier %1 n'existe pas").arg(folder);
    case EISDIR:
        return SettingsFileText::tr("un dossier porte le nom de la sauvegarde");
    case EIO:
        return SettingsFileText::tr("erreur d'entrée-sortie sur le disque");
    default:
        return SettingsFileText::tr("erreur du système n° %1").arg(error);
    }
}

WriteOutcome playerFailure(const QString& reason) {
    return {false,
            SettingsFileText::tr("Vos modifications n'ont pas été écrites sur l'ostrel : %1.")
                .arg(reason)};
}

// Calls `operation` again while a signal interrupts it.
template <typename Operation> auto retrying(Operation operation) {
    auto result = operation();
    while (result < 0 && errno == EINTR) {
        result = operation();
    }
    return result;
}

// Writes every byte at the start of the open file in one positioned write,
// flushes them to the device and closes the file. The error, if any.
std::optional<int> fillFlushAndClose(int fd, const QByteArray& bytes, const FileCalls& calls) {
    const ssize_t written = retrying(
        [&] { return calls.pwrite(fd, bytes.constData(), static_cast<size_t>(bytes.size()), 0); });
    int error = written < 0 ? errno : 0;
    if (error == 0 && written != bytes.size()) {
        error = ENOSPC; // a short write on a regular file means no room
    }
    if (error == 0 && calls.fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? std::nullopt : std::optional<int>(error);
}

// Writes over the beginning of an existing file, flushed to the device.
std::optional<int> writeAndFlush(const QByteArray& native, const QByteArray& bytes,
                                 const FileCalls& calls, PlayerWrite mode) {
    const int fd =
        retrying([&] { return ::open(native.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC); });
    if (fd < 0) {
        return errno;
    }
    // A whole file: whatever lay past the new bytes goes.
    if (mode == PlayerWrite::WholeFile && ::ftruncate(fd, bytes.size()) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    return fillFlushAndClose(fd, bytes, calls);
}

// Reads the bytes back from the device, not from the cache of what was just written.
bool readsBackAs(const QByteArray& native, const QByteArray& bytes, const FileCalls& calls) {
    const int fd =
        retrying([&] { return ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC); });
    if (fd < 0) {
        return false;
    }
#ifdef POSIX_FADV_DONTNEED
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray readBack(bytes.size(), '\0');
    const ssize_t count = retrying(
        [&] { return calls.pread(fd, readBack.data(), static_cast<size_t>(readBack.size()), 0); });
    ::close(fd);
    return count == bytes.size() && readBack == bytes;
}

} // namespace

QString folderWriteReason(int error, const QString& folder) {
    return folderReason(error, folder);
}

FileContents readSettingsContents(const QString& path) {
    return readRegularFile(path, SettingsImage::kLargestReadable);
}

std::optional<QByteArray> readSettingsFile(const QString& path) {
    FileContents contents = readSettingsContents(path);
    return contents.ok() ? std::optional<QByteArray>(std::move(contents.bytes)) : std::nullopt;
}

FileCheck checkSettingsFile(const QString& path) {
    FileCheck check;
    const FileContents contents = readSettingsContents(path);
    check.failure = contents.failure;
    if (contents.ok()) {
        check.problems = sizeMessages(contents.bytes.size());
    } else if (contents.failure == ReadFailure::TooLarge) {
        check.problems = sizeMessages(QFileInfo(path).size());
    }
    if (!contents.ok()) {
        check.problems.append(translated(kUnreadableMessage));
        return check;
    }
    SettingsImage image;
    image.load(contents.bytes);
    check.problems += checkLoadedImage(image).problems();
    check.image = image;
    return check;
}

std::optional<WriteOutcome> playerFileRefusal(const QString& path) {
    // A link would make the write land on another file: the player's file
    // is never one, and is written without following any.
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return playerFailure(systemReason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        const int kind = S_ISDIR(status.st_mode)   ? EISDIR
                         : S_ISLNK(status.st_mode) ? ELOOP
                                                   : EACCES;
        return playerFailure(systemReason(kind));
    }
    // A disk mounted read-only (a write-protected card) refuses any write.
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(path).constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY)) {
        return playerFailure(systemReason(EROFS));
    }
    return std::nullopt;
}

WriteOutcome writePlayerFile(const QString& path, const QByteArray& bytes, const FileCalls& calls,
                             PlayerWrite mode) {
    const QByteArray native = QFile::encodeName(path);
    if (std::optional<WriteOutcome> refusal = playerFileRefusal(path)) {
        return *refusal;
    }

    setFileAttributes(path, {.readOnly = false, .hidden = true, .system = true});
    const std::optional<int> error = writeAndFlush(native, bytes, calls, mode);
    const bool readOnlyAgain =
        setFileAttributes(path, {.readOnly = true, .hidden = true, .system = true});

    if (error) {
        return playerFailure(systemReason(*error));
    }
    if (!readsBackAs(native, bytes, calls)) {
        return playerFailure(
            SettingsFileText::tr("le fichier relu sur l'ostrel ne correspond pas à ce qui "
                                 "a été écrit (le lecteur a-t-il été débranché ?)"));
    }
    if (!readOnlyAgain) {
        // The bytes are there, but the player's file is no longer protected.
        return {false,
                SettingsFileText::tr("Vos modifications ont été écrites sur l'ostrel, mais "
                                     "settings.dat n'a pas pu être remis en lecture seule.")};
    }
    return {true, QString()};
}

std::optional<int> replaceFileWhole(const QString& path, const QByteArray& bytes, unsigned mode,
                                    const FileCalls& calls) {
    return writeFileWhole(path, bytes, mode, true, calls);
}

std::optional<int> writeFileWhole(const QString& path, const QByteArray& bytes, unsigned mode,
                                  bool mayReplace, const FileCalls& calls) {
    const QFileInfo target(path);
    QByteArray temporary = QFile::encodeName(
        joinPath(target.absolutePath(), QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return errno;
    }
    std::optional<int> error;
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
        error = errno;
        ::close(fd);
    } else {
        error = fillFlushAndClose(fd, bytes, calls);
    }
    const QByteArray native = QFile::encodeName(path);
    if (!error && mayReplace && ::rename(temporary.constData(), native.constData()) != 0) {
        error = errno;
    }
    // A hard link takes a name only when no file has it yet (where there is
    // none, as on FAT, a rename that replaces nothing).
    if (!error && !mayReplace && ::link(temporary.constData(), native.constData()) != 0) {
        error = errno;
        if ((errno == EPERM || errno == ENOTSUP) &&
            ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, native.constData(),
                        RENAME_NOREPLACE) == 0) {
            error.reset();
        }
    }
    if (error || !mayReplace) {
        ::unlink(temporary.constData());
    }
    if (error) {
        return error;
    }
    // The new name must reach the disk too.
    const int folder =
        ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

WriteOutcome saveBackupFile(const QString& path, const QByteArray& bytes, const FileCalls& calls) {
    // Only promise an untouched old backup when there was one.
    const bool hadBackup = QFileInfo::exists(path);
    if (const std::optional<int> error = replaceFileWhole(path, bytes, 0644, calls)) {
        return {false,
                SettingsFileText::tr("La sauvegarde n'a pas pu être écrite dans %1 : %2. %3")
                    .arg(path, folderWriteReason(*error, QFileInfo(path).absolutePath()),
                         hadBackup ? SettingsFileText::tr("L'ancienne sauvegarde est inchangée.")
                                   : SettingsFileText::tr("Aucun fichier n'a été créé."))};
    }
    return {true, QString()};
}
