#pragma once

// Other users of the computer, for tests that run as root: accounts that
// exist only for the program under test (uid 4242 by default), and real local
// accounts made for one test, who run the programs through sudo or race them.
#include "Spawn.h"
#include "player/PlayerLock.h"

#include <QDirIterator>
#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Gives the file or folder at `path` to `owner` (and the group of the same
// number unless told), then `mode` unless it is 0, through the open file.
inline bool giveTo(const QString& path, uid_t owner, mode_t mode = 0, gid_t group = gid_t(-1)) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool given = fd >= 0 && ::fchown(fd, owner, group == gid_t(-1) ? owner : group) == 0 &&
                       (mode == 0 || ::fchmod(fd, mode) == 0);
    return (fd < 0 || ::close(fd) == 0) && given;
}

// The user, with a home made in `parent` (opened to all so that the user reaches it).
inline UserAccount otherUser(const QString& parent, uid_t uid = 4242) {
    const QString home = parent + "/home-" + QString::number(uid);
    const bool made = QDir().mkdir(home) && giveTo(home, uid) && giveTo(parent, 0, 0755);
    return {uid, uid, made ? home : QString()};
}

// The user's window on `file`, its lock taken as the user; none when it cannot be.
inline std::unique_ptr<PlayerLock> windowOf(const UserAccount& user, const QString& file) {
    const ActingAs asUser(user.credentials());
    auto lock =
        std::make_unique<PlayerLock>(PlayerLock::folderFor(user), file, PlayerLock::Holder::Window);
    return lock->take() == PlayerLock::Outcome::Taken ? std::move(lock) : nullptr;
}

// What lies under `folder` (hidden files too) that `uid` does not own.
inline QStringList notOwnedBy(const QString& folder, uint uid) {
    QStringList others;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        if (const QFileInfo made(it.next()); made.ownerId() != uid) {
            others.append(made.filePath());
        }
    }
    return others;
}

// A local account made for one test, with its home in `parent`, and removed
// after it; made() is false where it cannot be (not root).
struct LocalUser {
    explicit LocalUser(const QString& parent) {
        static int count = 0;
        name = "ostrel-t" + QByteArray::number(::getpid()) + '-' + QByteArray::number(++count);
        home = parent + '/' + QString::fromLatin1(name);
        const struct passwd* entry = nullptr;
        if (::geteuid() == 0 && QDir().mkpath(home) &&
            spawn({"/usr/sbin/useradd", "-M", "-U", "-d", QFile::encodeName(home), name}).code ==
                0 &&
            (entry = ::getpwnam(name.constData())) != nullptr) {
            std::tie(uid, gid) = std::tuple(entry->pw_uid, entry->pw_gid);
            (void)(giveTo(home, uid, 0, gid) && giveTo(parent, 0, 0755));
        }
    }
    ~LocalUser() {
        if (made()) {
            spawn({"/usr/sbin/userdel", name});
        }
    }
    bool made() const { return uid != 0; }
    // What sudo tells a program it runs as root for this user (no data folder of the test's).
    QList<QByteArray> sudo() const {
        return {"SUDO_UID=" + QByteArray::number(uid), "SUDO_GID=" + QByteArray::number(gid),
                "SUDO_USER=" + name, "XDG_DATA_HOME="};
    }
    // `work` again and again in a child process of this user's, until the returned one goes.
    std::shared_ptr<void> repeating(const std::function<void()>& work) const {
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(1, &gid) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
                ::_exit(1);
            }
            for (;;) {
                work();
            }
        }
        return std::shared_ptr<void>(nullptr, [child](void*) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        });
    }
    QByteArray name;
    QString home;
    uid_t uid = 0;
    gid_t gid = 0;
};
