#include "PlayerLock.h"

#include "settings/FileIdentity.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QDir>
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

bool isFolderOf(const QString& path, uid_t user) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == user;
}

// Whether `path` still names the open file: its last holder may have removed
// it between our opening it and locking it.
bool stillNamed(int fd, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// The user's folder, made when missing (its parents as any folder of the
// user's); empty, or why it may not be used.
QString madeFolder(const QString& folder) {
    const QByteArray native = QFile::encodeName(folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(QFileInfo(folder).absolutePath())) {
        return folderWriteReason(errno, folder);
    }
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return folderWriteReason(errno, folder);
    }
    // A folder another user made (or could write into) would let them
    // replace the lock: it is not used.
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return PlayerLockText::tr("%1 : ce dossier n'est pas à vous seul").arg(folder);
    }
    return QString();
}
} // namespace

QString PlayerLock::folderFor(const UserAccount& account, const QString& runtimeRoot) {
    const QString runtime = joinPath(runtimeRoot, QString::number(account.uid));
    if (isFolderOf(runtime, account.uid)) {
        return runtime;
    }
    if (!QDir::isAbsolutePath(account.home)) {
        return QString();
    }
    return joinPath(account.home, QStringLiteral(".local/state/ostrel-settings"));
}

QStringList PlayerLock::everyUsersFolders(const QList<UserAccount>& accounts,
                                          const QString& runtimeRoot) {
    QStringList candidates;
    for (const QString& name : QDir(runtimeRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        candidates.append(joinPath(runtimeRoot, name));
    }
    for (const UserAccount& account : accounts) {
        if (QDir::isAbsolutePath(account.home)) {
            candidates.append(
                joinPath(account.home, QStringLiteral(".local/state/ostrel-settings")));
        }
    }
    QStringList folders;
    for (const QString& folder : candidates) {
        if (!folders.contains(folder) && QFileInfo(folder).isDir()) {
            folders.append(folder);
        }
    }
    return folders;
}

QString PlayerLock::pathFor(const QString& folder, const QString& settingsFile) {
    const FileIdentity file =
        futureFileIdentity(settingsFile)
            .value_or(FileIdentity{0, 0, QFileInfo(settingsFile).absoluteFilePath()});
    return joinPath(folder, QStringLiteral("ostrel-settings-%1.lock").arg(file.key()));
}

PlayerLock::PlayerLock(QString folder, const QString& settingsFile, Holder holder,
                       QStringList otherFolders, std::optional<UserAccount> owner)
    : folder_(std::move(folder))
    , path_(folder_.isEmpty() ? QString() : pathFor(folder_, settingsFile))
    , file_(settingsFile)
    , holder_(holder)
    , otherFolders_(std::move(otherFolders))
    , owner_(std::move(owner)) {
    otherFolders_.removeAll(folder_);
}

PlayerLock::~PlayerLock() {
    letGo();
}

void PlayerLock::letGo() {
    // Removed while still held, and only when it is still ours: a waiter
    // that opened it meanwhile sees it gone and opens the new one.
    for (const Held& held : held_) {
        if (stillNamed(held.fd, held.path)) {
            ::unlink(QFile::encodeName(held.path).constData());
        }
        ::close(held.fd);
    }
    held_.clear();
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
    if (!held_.isEmpty()) {
        return Outcome::Taken;
    }
    if (folder_.isEmpty()) {
        problem_ = PlayerLockText::tr("aucun dossier pour le verrou");
        return Outcome::Unavailable;
    }
    std::optional<Held> own;
    {
        const ActingAs maker(owner_);
        problem_ = madeFolder(folder_);
        if (!problem_.isEmpty()) {
            return Outcome::Unavailable;
        }
        if (const Outcome outcome = hold(path_, true, own); outcome != Outcome::Taken) {
            return outcome;
        }
    }
    held_.append(*own);
    // Root also finds whoever holds the player in another user's folder.
    for (const QString& folder : otherFolders_) {
        std::optional<Held> theirs;
        const Outcome outcome = hold(pathFor(folder, file_), false, theirs);
        if (outcome == Outcome::HeldByWindow || outcome == Outcome::HeldByCommand) {
            letGo();
            return outcome;
        }
        if (theirs) {
            held_.append(*theirs);
        }
    }
    return Outcome::Taken;
}

PlayerLock::Outcome PlayerLock::hold(const QString& path, bool make, std::optional<Held>& held) {
    const QByteArray native = QFile::encodeName(path);
    // A few times at most: each turn, another holder has just let it go.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(native.constData(),
                              O_RDWR | O_NOFOLLOW | O_CLOEXEC | (make ? O_CREAT : 0), 0600);
        if (fd < 0 && !make && errno == ENOENT) {
            return Outcome::Taken; // no one holds it there
        }
        if (fd < 0) {
            problem_ = folderWriteReason(errno, QFileInfo(path).absolutePath());
            return Outcome::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            char mark[sizeof kWindowMark] = {};
            const ssize_t count = ::pread(fd, mark, sizeof mark - 1, 0);
            ::close(fd);
            if (error != EWOULDBLOCK) {
                problem_ = folderWriteReason(error, QFileInfo(path).absolutePath());
                return Outcome::Unavailable;
            }
            // A holder that has not written its mark yet is a command just starting.
            return count > 0 && QByteArray(mark) == kWindowMark ? Outcome::HeldByWindow
                                                                : Outcome::HeldByCommand;
        }
        if (stillNamed(fd, path)) {
            const char* mark = holder_ == Holder::Window ? kWindowMark : kCommandMark;
            // Only a refusal's wording depends on it: a full disk does not undo the lock.
            (void)::pwrite(fd, mark, sizeof kWindowMark - 1, 0);
            held = Held{fd, path};
            return Outcome::Taken;
        }
        ::close(fd);
    }
    problem_ = PlayerLockText::tr("%1 : le verrou change sans cesse").arg(path);
    return Outcome::Unavailable;
}
