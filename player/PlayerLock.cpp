#include "PlayerLock.h"

#include "settings/FileIdentity.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"
#include "system/OpenWithoutLinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
struct PlayerLockText {
    Q_DECLARE_TR_FUNCTIONS(PlayerLock)
};

constexpr gid_t kNoGroup = 65534;

// What the holder writes into its lock file, so that a refusal can name it:
// its kind and the user it works for ("window 1000").
QByteArray markOf(PlayerLock::Holder holder, uid_t user) {
    return (holder == PlayerLock::Holder::Window ? "window " : "command ") +
           QByteArray::number(user) + '\n';
}
struct Mark {
    PlayerLock::Holder holder;
    std::optional<uid_t> user;
};
Mark readMark(int fd) {
    char text[32] = {};
    const ssize_t count = ::pread(fd, text, sizeof text - 1, 0);
    const QList<QByteArray> words = QByteArray(text, count > 0 ? count : 0).simplified().split(' ');
    bool number = false;
    const uint user = words.value(1).toUInt(&number);
    // A holder that has not written its mark yet is a command just starting.
    return {words.value(0) == "window" ? PlayerLock::Holder::Window : PlayerLock::Holder::Command,
            number ? std::optional<uid_t>(user) : std::nullopt};
}

// Open file description locks: held by the open file, let go when it is
// closed, and seen without being taken (a look never stops a taker).
bool lockWhole(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
}
bool lockedByAnyone(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_GETLK, &whole) == 0 && whole.l_type != F_UNLCK;
}

bool isFolderOf(const QString& path, uid_t user) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == user;
}

// A folder of `owner` alone: no one else can put a file there.
bool onlyFor(const struct stat& status, uid_t owner) {
    return S_ISDIR(status.st_mode) && status.st_uid == owner &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Whether `path` still names the open file: its last holder may have removed
// it between our opening it and locking it.
bool stillNamed(int fd, const QString& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Why `path`, a lock's folder or file, could not be made or used (`error`),
// in the user's terms: what stands in the way, a full disk, a folder that
// cannot be written...
QString lockProblem(int error, const QString& path) {
    // The first name on the way that is there, but no folder.
    for (QString on = QDir::cleanPath(path); on != QLatin1String("/") && !on.isEmpty();
         on = QFileInfo(on).path()) {
        struct stat status {};
        if (::lstat(QFile::encodeName(on).constData(), &status) == 0 && !S_ISDIR(status.st_mode)) {
            return S_ISLNK(status.st_mode)
                       ? PlayerLockText::tr("%1 est un lien, là où il faut un dossier").arg(on)
                       : PlayerLockText::tr("un fichier, %1, est là où il faut un dossier").arg(on);
        }
    }
    if (error == EISDIR) {
        return PlayerLockText::tr("un dossier, %1, est là où il faut le fichier du verrou")
            .arg(path);
    }
    return folderWriteReason(error, QFileInfo(path).isDir() ? path : QFileInfo(path).path());
}

// The folder of the process's user, made with `mode` when missing (its
// parents as any folder of the user's); empty, or why it may not be used.
QString madeFolder(const QString& folder, mode_t mode) {
    const QByteArray native = QFile::encodeName(folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(QFileInfo(folder).absolutePath())) {
        return lockProblem(errno, folder);
    }
    const bool made = ::mkdir(native.constData(), mode) == 0;
    if (!made && errno != EEXIST) {
        return lockProblem(errno, folder);
    }
    // A folder another user made (or could write into) would let them
    // replace the lock: it is not used.
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return lockProblem(errno, folder);
    }
    struct stat status {};
    const bool ours = ::fstat(fd, &status) == 0 && onlyFor(status, ::geteuid());
    // The mode it was made with, whatever the umask: root's is for all to see.
    if (ours && made && (status.st_mode & 07777) != mode) {
        (void)::fchmod(fd, mode);
    }
    ::close(fd);
    return ours ? QString()
                : PlayerLockText::tr("%1 : ce dossier n'est pas à vous seul").arg(folder);
}

// A lock file that someone holds: what its mark says, and whose file it is.
struct Found {
    Mark mark;
    uid_t owner;
};
std::optional<Found> heldAt(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt; // no one holds it there
    }
    struct stat status {};
    std::optional<Found> found;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && lockedByAnyone(fd)) {
        found = Found{readMark(fd), status.st_uid};
    }
    ::close(fd);
    return found;
}

QString lockName(const QString& key) {
    return QStringLiteral("ostrel-settings-%1.lock").arg(key);
}
// Beside root's lock, the file that shows who holds it: others may look at
// it, and even lock it, without ever stopping root.
QString shownName(const QString& key) {
    return QStringLiteral("ostrel-settings-%1.holder").arg(key);
}

QString keyOf(const QString& settingsFile) {
    return futureFileIdentity(settingsFile)
        .value_or(FileIdentity{0, 0, QFileInfo(settingsFile).absoluteFilePath()})
        .key();
}
} // namespace

QStringList PlayerLock::foldersOf(const UserAccount& account, const QString& runtimeRoot) {
    const QString runtime = joinPath(runtimeRoot, QString::number(account.uid));
    QStringList folders{runtime};
    if (QDir::isAbsolutePath(account.home)) {
        const QString home = joinPath(account.home, QStringLiteral(".local/state/ostrel-settings"));
        isFolderOf(runtime, account.uid) ? folders.append(home) : folders.prepend(home);
    } else if (!isFolderOf(runtime, account.uid)) {
        return {};
    }
    return folders;
}

QList<LockFolders::Other> PlayerLock::everyUsersFolders(const UserIds& ids, uid_t except,
                                                        const QString& runtimeRoot) {
    QList<UserAccount> accounts = ids.everyAccount();
    for (const QString& name : QDir(runtimeRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const uid_t uid = name.toUInt(&number);
        if (number && std::none_of(accounts.begin(), accounts.end(),
                                   [uid](const UserAccount& a) { return a.uid == uid; })) {
            accounts.append(ids.account(uid).value_or(UserAccount{uid, kNoGroup, QString()}));
        }
    }
    QList<LockFolders::Other> others;
    QStringList seen;
    // Through sudo the program is its user, who may not see into others' homes.
    const ActingAs root(kRootCredentials);
    for (const UserAccount& account : accounts) {
        for (const QString& folder : foldersOf(account, runtimeRoot)) {
            if (account.uid != except && account.uid != 0 && !seen.contains(folder) &&
                QFileInfo(folder).isDir()) {
                seen.append(folder);
                others.append({folder, account});
            }
        }
    }
    return others;
}

QString PlayerLock::pathFor(const QString& folder, const QString& settingsFile) {
    return joinPath(folder, lockName(keyOf(settingsFile)));
}

PlayerLock::PlayerLock(LockFolders folders, const QString& settingsFile, Holder holder)
    : folders_(std::move(folders))
    , key_(keyOf(settingsFile))
    , path_(folders_.own.isEmpty() ? QString() : joinPath(folders_.own, lockName(key_)))
    , file_(QFileInfo(settingsFile).absoluteFilePath())
    , holder_(holder) {
    folders_.alsoOwn.removeAll(folders_.own);
}

PlayerLock::~PlayerLock() {
    letGo();
}

void PlayerLock::letGo() {
    // Removed while still held, and only when it is still ours: a waiter
    // that opened it meanwhile sees it gone and opens the new one. What
    // shows root's lock goes before root's lock.
    for (auto held = held_.rbegin(); held != held_.rend(); ++held) {
        const std::optional<ActingAs> root =
            held->roots ? std::optional<ActingAs>(std::in_place, kRootCredentials) : std::nullopt;
        if (stillNamed(held->fd, held->path)) {
            ::unlink(QFile::encodeName(held->path).constData());
        }
        ::close(held->fd);
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

PlayerLock::Outcome PlayerLock::refused(Holder holder, uid_t who) {
    letGo();
    holderUid_ = who;
    return holder == Holder::Window ? Outcome::HeldByWindow : Outcome::HeldByCommand;
}

QString PlayerLock::otherHolder() const {
    if (!holderUid_ || *holderUid_ == self_) {
        return QString();
    }
    if (*holderUid_ == 0) {
        return PlayerLockText::tr("root");
    }
    const struct passwd* entry = ::getpwuid(*holderUid_);
    return PlayerLockText::tr("l'utilisateur %1")
        .arg(entry ? QFile::decodeName(entry->pw_name) : QString::number(*holderUid_));
}

PlayerLock::Outcome PlayerLock::tryOnce() {
    if (!held_.isEmpty()) {
        return Outcome::Taken;
    }
    holderUid_.reset();
    self_ = ::geteuid(); // whom the program works for: through sudo, the process is that user
    if (folders_.own.isEmpty()) {
        problem_ = PlayerLockText::tr("aucun dossier pour le verrou");
        return Outcome::Unavailable;
    }
    // The user's own lock, then root's for a program with root's rights.
    if (folders_.own != folders_.root) {
        if (const Outcome outcome = takeIn(folders_.own, 0700, false); outcome != Outcome::Taken) {
            return outcome;
        }
    }
    const bool rootsRights = folders_.rootsRights;
    if (!folders_.root.isEmpty() && (folders_.own == folders_.root || rootsRights)) {
        const ActingAs root(kRootCredentials);
        const Outcome outcome =
            root.ok() ? takeIn(folders_.root, 0755, true) : Outcome::Unavailable;
        if (outcome != Outcome::Taken) {
            if (!root.ok()) {
                problem_ = PlayerLockText::tr("les droits de root n'ont pas pu être repris");
            }
            letGo();
            return outcome;
        }
    }
    // Then whoever holds it elsewhere: in the user's other folder, in root's
    // (when it is root's alone), and with root's rights in every user's
    // whose holder could write the player's file without root: a lock made
    // by a user who cannot is nobody's business.
    for (const QString& folder : folders_.alsoOwn) {
        if (const std::optional<Found> found = heldAt(joinPath(folder, lockName(key_)))) {
            return refused(found->mark.holder, found->owner);
        }
    }
    struct stat rootFolder {};
    if (!rootsRights && !folders_.root.isEmpty() &&
        ::lstat(QFile::encodeName(folders_.root).constData(), &rootFolder) == 0 &&
        onlyFor(rootFolder, 0)) {
        const std::optional<Found> found = heldAt(joinPath(folders_.root, shownName(key_)));
        if (found && found->owner == 0) {
            return refused(found->mark.holder, found->mark.user.value_or(0));
        }
    }
    for (const LockFolders::Other& other :
         rootsRights ? folders_.others : QList<LockFolders::Other>{}) {
        Credentials theirs = other.user.credentials();
        if (!other.user.name.isEmpty()) {
            theirs.groups = groupsOf(other.user.name, other.user.gid);
        }
        const ActingAs asThem(theirs);
        const std::optional<Found> found =
            asThem.ok() ? heldAt(joinPath(other.folder, lockName(key_))) : std::nullopt;
        if (found && found->owner == other.user.uid && couldWriteItself(QFile::encodeName(file_))) {
            return refused(found->mark.holder, other.user.uid);
        }
    }
    return Outcome::Taken;
}

PlayerLock::Outcome PlayerLock::takeIn(const QString& folder, unsigned mode, bool publish) {
    problem_ = madeFolder(folder, static_cast<mode_t>(mode));
    if (!problem_.isEmpty()) {
        return Outcome::Unavailable;
    }
    if (const Outcome outcome = hold(joinPath(folder, lockName(key_))); outcome != Outcome::Taken) {
        return outcome;
    }
    if (!publish) {
        return Outcome::Taken;
    }
    held_.last().roots = true;
    // Made whole and locked under another name, then put in place: whoever
    // opens it finds it held.
    const QString shown = joinPath(folder, shownName(key_));
    QByteArray temporary = QFile::encodeName(shown) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    const QByteArray mark = markOf(holder_, self_);
    const bool shownWhole =
        fd >= 0 && ::fchmod(fd, 0644) == 0 &&
        ::pwrite(fd, mark.constData(), static_cast<size_t>(mark.size()), 0) == mark.size() &&
        lockWhole(fd) && ::rename(temporary.constData(), QFile::encodeName(shown).constData()) == 0;
    if (!shownWhole) {
        problem_ = lockProblem(errno, folder);
        if (fd >= 0) {
            ::unlink(temporary.constData());
            ::close(fd);
        }
        return Outcome::Unavailable;
    }
    held_.append(Held{fd, shown, true});
    return Outcome::Taken;
}

PlayerLock::Outcome PlayerLock::hold(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // A few times at most: each turn, another holder has just let it go.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(native.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_CREAT, 0600);
        if (fd < 0) {
            problem_ = lockProblem(errno, path);
            return Outcome::Unavailable;
        }
        if (!lockWhole(fd)) {
            const int error = errno;
            struct stat status {};
            const uid_t owner = ::fstat(fd, &status) == 0 ? status.st_uid : 0;
            const Mark mark = readMark(fd);
            ::close(fd);
            if (error != EAGAIN && error != EACCES) {
                problem_ = lockProblem(error, path);
                return Outcome::Unavailable;
            }
            return refused(mark.holder, mark.user.value_or(owner));
        }
        if (stillNamed(fd, path)) {
            const QByteArray mark = markOf(holder_, self_);
            // Only a refusal's wording depends on it: a full disk does not undo the lock.
            (void)::ftruncate(fd, 0);
            (void)::pwrite(fd, mark.constData(), static_cast<size_t>(mark.size()), 0);
            held_.append(Held{fd, path});
            return Outcome::Taken;
        }
        ::close(fd);
    }
    problem_ = PlayerLockText::tr("%1 : le verrou change sans cesse").arg(path);
    return Outcome::Unavailable;
}
