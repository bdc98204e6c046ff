#include "SettingsFile.h"

#include "Fields.h"
#include "FileAttributes.h"
#include "SettingsImage.h"
#include "SettingsProbe.h"
#include "system/Credentials.h"
#include "system/OpenWithoutLinks.h"

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
#include <utility>

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

// Writes every byte at the start of the open file in one positioned write
// and flushes them to the device. The error, or 0.
int fillAndFlush(int fd, const QByteArray& bytes, const FileCalls& calls) {
    const ssize_t written = retrying(
        [&] { return calls.pwrite(fd, bytes.constData(), static_cast<size_t>(bytes.size()), 0); });
    if (written < 0) {
        return errno;
    }
    if (written != bytes.size()) {
        return ENOSPC; // a short write on a regular file means no room
    }
    return calls.fsync(fd) != 0 ? errno : 0;
}

// The same, then closes the file. The error, if any.
std::optional<int> fillFlushAndClose(int fd, const QByteArray& bytes, const FileCalls& calls) {
    int error = fillAndFlush(fd, bytes, calls);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? std::nullopt : std::optional<int>(error);
}

// Closes the descriptor however the write ends.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int opened)
        : fd(opened) {}
    Descriptor(Descriptor&& other) noexcept
        : fd(std::exchange(other.fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd, other.fd);
        return *this;
    }
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// The player's file open for the write: `reader` first, through which its
// read-only mode is lifted, then `writer`, checked to be the same file. Every
// change of mode goes through them, never through its name.
struct OpenPlayer {
    Descriptor reader;
    Descriptor writer;
    int error = 0;
    QByteArray folder; // with root's rights: the folder that someone else may change
};

OpenPlayer openPlayer(const QByteArray& path, bool rootsAlone) {
    OpenPlayer file;
    file.reader = Descriptor(retrying(
        [&] { return openWithoutLinks(path, O_RDONLY | O_NONBLOCK, rootsAlone, file.folder); }));
    struct stat before {};
    if (file.reader.fd < 0 || ::fstat(file.reader.fd, &before) != 0) {
        file.error = errno;
        return file;
    }
    if (!S_ISREG(before.st_mode)) {
        file.error = S_ISDIR(before.st_mode) ? EISDIR : EACCES;
        return file;
    }
    setFileAttributes(file.reader.fd, {.readOnly = false, .hidden = true, .system = true});
    file.writer = Descriptor(
        retrying([&] { return openWithoutLinks(path, O_RDWR, rootsAlone, file.folder); }));
    struct stat after {};
    if (file.writer.fd < 0 || ::fstat(file.writer.fd, &after) != 0) {
        file.error = errno;
        file.writer = Descriptor();
    } else if (after.st_dev != before.st_dev || after.st_ino != before.st_ino) {
        file.error = ENOENT; // another file took its name meanwhile
        file.writer = Descriptor();
    }
    if (file.writer.fd < 0) {
        setFileAttributes(file.reader.fd, {.readOnly = true, .hidden = true, .system = true});
    }
    return file;
}

// Writes `bytes` over the beginning of the open file, flushed to the device;
// WholeFile: then cuts whatever lay past them. When any step fails, the
// bytes it held are put back and its size as it was: a failed write leaves
// the old file whole (where the disk lets it be written at all).
std::optional<int> writeInPlace(int fd, const QByteArray& bytes, const FileCalls& calls,
                                PlayerWrite mode) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return errno;
    }
    QByteArray before(std::min<qint64>(status.st_size, bytes.size()), '\0');
    const ssize_t kept = ::pread(fd, before.data(), static_cast<size_t>(before.size()), 0);
    before.truncate(kept > 0 ? kept : 0);

    int error = fillAndFlush(fd, bytes, calls);
    // Cut only once the new bytes are on the disk.
    if (error == 0 && mode == PlayerWrite::WholeFile && status.st_size > bytes.size() &&
        (::ftruncate(fd, bytes.size()) != 0 || calls.fsync(fd) != 0)) {
        error = errno;
    }
    if (error != 0) {
        (void)::ftruncate(fd, status.st_size);
        (void)::pwrite(fd, before.constData(), static_cast<size_t>(before.size()), 0);
        (void)::fsync(fd);
        return error;
    }
    return std::nullopt;
}

// Reads the bytes back from the device, not from the cache of what was just written.
bool readsBackAs(int fd, const QByteArray& bytes, const FileCalls& calls) {
#ifdef POSIX_FADV_DONTNEED
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray readBack(bytes.size(), '\0');
    const ssize_t count = retrying(
        [&] { return calls.pread(fd, readBack.data(), static_cast<size_t>(readBack.size()), 0); });
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
    return checkSettingsContents(readSettingsContents(path), path);
}

FileCheck checkSettingsContents(const FileContents& contents, const QString& path) {
    FileCheck check;
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

namespace {
// The player's file as it is written: absolute, its folder's links resolved.
QByteArray nativePlayerPath(const QString& path) {
    return withFolderResolved(QFile::encodeName(QFileInfo(path).absoluteFilePath()));
}

// Through sudo, a player's file the user cannot write is written with root's
// rights, and only then: a settings.dat whose folders no one but root can change.
bool needsRootsRights(const QByteArray& native) {
    return ::geteuid() != 0 && mayActAsRoot() && !couldWriteItself(native);
}
WriteOutcome notRootsAlone(const QByteArray& folder) {
    return playerFailure(
        SettingsFileText::tr("vous ne pouvez pas écrire settings.dat vous-même, et les "
                             "droits de root ne servent que si seul root peut modifier "
                             "les dossiers qui y mènent : %1 peut l'être par un autre")
            .arg(QFile::decodeName(folder)));
}
} // namespace

std::optional<WriteOutcome> playerFileRefusal(const QString& path) {
    // A link would make the write land on another file: the player's file
    // is never one, and is written without following any.
    const QByteArray native = nativePlayerPath(path);
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0) {
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
    if (::statvfs(native.constData(), &disk) == 0 && (disk.f_flag & ST_RDONLY)) {
        return playerFailure(systemReason(EROFS));
    }
    // A file the user cannot write, and may not have root write.
    const bool playersFile =
        QFileInfo(path).fileName().compare(kSettingsFileName, Qt::CaseInsensitive) == 0;
    if (::geteuid() != 0 && !couldWriteItself(native) && (!mayActAsRoot() || !playersFile)) {
        return playerFailure(systemReason(EACCES));
    }
    if (playersFile && needsRootsRights(native)) {
        const ActingAs root(kRootCredentials);
        QByteArray folder;
        const int fd = openWithoutLinks(native, O_PATH, true, folder);
        if (fd >= 0) {
            ::close(fd);
        }
        if (!folder.isEmpty()) {
            return notRootsAlone(folder);
        }
    }
    return std::nullopt;
}

WriteOutcome writePlayerFile(const QString& path, const QByteArray& bytes, const FileCalls& calls,
                             PlayerWrite mode) {
    if (std::optional<WriteOutcome> refusal = playerFileRefusal(path)) {
        return *refusal;
    }
    const QByteArray native = nativePlayerPath(path);
    // Root's rights, for a player's file its user cannot write (the refusal
    // above let it through), and opened only through folders that no one but
    // root can change: nothing else can be put in its place meanwhile.
    const bool asRoot = needsRootsRights(native);
    const std::optional<ActingAs> root =
        asRoot ? std::optional<ActingAs>(std::in_place, kRootCredentials) : std::nullopt;
    OpenPlayer file = openPlayer(native, asRoot);
    if (!file.folder.isEmpty()) {
        return notRootsAlone(file.folder);
    }
    if (file.writer.fd < 0) {
        return playerFailure(systemReason(file.error));
    }
    const std::optional<int> error = writeInPlace(file.writer.fd, bytes, calls, mode);
    const bool readOnlyAgain =
        setFileAttributes(file.reader.fd, {.readOnly = true, .hidden = true, .system = true});

    if (error) {
        return playerFailure(systemReason(*error));
    }
    if (!readsBackAs(file.writer.fd, bytes, calls)) {
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
