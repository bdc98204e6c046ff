#include "PlayerLock.h"

#include "settings/RegularFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
struct PlayerLockText {
    Q_DECLARE_TR_FUNCTIONS(PlayerLock)
};
// What the holder writes into the lock file, so that a refusal can name it;
// both the same length, so that one write replaces the other whole.
constexpr char kWindowMark[] = "window \n";
constexpr char kCommandMark[] = "command\n";

QString hex(quint64 number) {
    return QString::number(number, 16);
}
} // namespace

QString PlayerLock::defaultFolder() {
    const uid_t user = ::geteuid();
    const QString runtime = QStringLiteral("/run/user/%1").arg(user);
    struct stat status {};
    if (::stat(QFile::encodeName(runtime).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == user) {
        return runtime;
    }
    return QStringLiteral("/tmp/ostrel-settings-%1").arg(user);
}

QString PlayerLock::pathFor(const QString& folder, const QString& settingsFile) {
    QString key;
    if (const std::optional<FileIdentity> file = fileIdentity(settingsFile)) {
        key = hex(file->device) + u'-' + hex(file->inode);
    } else {
        // A file still to be made: its folder's identity and its name.
        const QFileInfo info(settingsFile);
        const std::optional<FileIdentity> parent = fileIdentity(info.absolutePath());
        const QString name = parent ? info.fileName() : info.absoluteFilePath();
        key = (parent ? hex(parent->device) + u'-' + hex(parent->inode) + u'-' : QString()) +
              QString::fromLatin1(
                  QCryptographicHash::hash(QFile::encodeName(name), QCryptographicHash::Sha1)
                      .toHex()
                      .left(16));
    }
    return joinPath(folder, QStringLiteral("ostrel-settings-%1.lock").arg(key));
}

PlayerLock::PlayerLock(QString folder, const QString& settingsFile, Holder holder)
    : folder_(std::move(folder))
    , path_(folder_.isEmpty() ? QString() : pathFor(folder_, settingsFile))
    , holder_(holder) {}

PlayerLock::~PlayerLock() {
    if (fd_ >= 0) {
        ::close(fd_); // lets go of the lock
    }
}

PlayerLock::Outcome PlayerLock::take(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::minstd_rand jitter(static_cast<unsigned>(::getpid()));
    Outcome outcome = tryOnce();
    while (outcome == Outcome::HeldByCommand && std::chrono::steady_clock::now() < deadline) {
        // Waiters that do not wake together do not collide again.
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + jitter() % 20));
        outcome = tryOnce();
    }
    return outcome;
}

PlayerLock::Outcome PlayerLock::tryOnce() {
    if (fd_ >= 0) {
        return Outcome::Taken;
    }
    if (folder_.isEmpty()) {
        problem_ = PlayerLockText::tr("aucun dossier pour le verrou");
        return Outcome::Unavailable;
    }
    const QByteArray folder = QFile::encodeName(folder_);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        problem_ = folderWriteReason(errno, folder_);
        return Outcome::Unavailable;
    }
    // A folder another user made (or could write into) would let them
    // replace the lock: it is not used.
    struct stat status {};
    if (::lstat(folder.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        problem_ = PlayerLockText::tr("%1 : ce dossier n'est pas à vous seul").arg(folder_);
        return Outcome::Unavailable;
    }
    const int fd = ::open(QFile::encodeName(path_).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        problem_ = folderWriteReason(errno, folder_);
        return Outcome::Unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const char* mark = holder_ == Holder::Window ? kWindowMark : kCommandMark;
        // Only a refusal's wording depends on it: a full disk does not undo the lock.
        (void)::pwrite(fd, mark, sizeof kWindowMark - 1, 0);
        fd_ = fd;
        return Outcome::Taken;
    }
    const int error = errno;
    char mark[sizeof kWindowMark] = {};
    const ssize_t count = ::pread(fd, mark, sizeof mark - 1, 0);
    ::close(fd);
    if (error != EWOULDBLOCK) {
        problem_ = folderWriteReason(error, folder_);
        return Outcome::Unavailable;
    }
    // A holder that has not written its mark yet is a command just starting.
    return count > 0 && QByteArray(mark) == kWindowMark ? Outcome::HeldByWindow
                                                        : Outcome::HeldByCommand;
}
