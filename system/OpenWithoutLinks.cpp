#include "OpenWithoutLinks.h"

#include <QList>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool rootsAlone(int folder) {
    struct stat status {};
    return ::fstat(folder, &status) == 0 && status.st_uid == 0 &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Fails with `error`, the descriptor closed.
int failing(int fd, int error) {
    if (fd >= 0) {
        ::close(fd);
    }
    errno = error;
    return -1;
}
} // namespace

int openWithoutLinks(const QByteArray& path, int flags, bool requireRootsAlone,
                     QByteArray& folder) {
    folder.clear();
    const QList<QByteArray> names = path.split('/');
    if (!path.startsWith('/') || names.last().isEmpty() || names.contains("..")) {
        errno = EINVAL;
        return -1;
    }
    int at = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    QByteArray reached = "/";
    if (at >= 0 && requireRootsAlone && !rootsAlone(at)) {
        folder = reached;
        return failing(at, EPERM);
    }
    for (qsizetype k = 1; at >= 0 && k + 1 < names.size(); ++k) {
        const QByteArray& name = names[k];
        if (name.isEmpty() || name == ".") {
            continue;
        }
        reached += (reached.endsWith('/') ? "" : "/") + name;
        const int next =
            ::openat(at, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            struct stat status {};
            const int error = errno;
            const bool link = ::fstatat(at, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                              S_ISLNK(status.st_mode);
            return failing(at, link ? ELOOP : error);
        }
        ::close(at);
        at = next;
        if (requireRootsAlone && !rootsAlone(at)) {
            folder = reached;
            return failing(at, EPERM);
        }
    }
    if (at < 0) {
        return -1;
    }
    const int fd =
        ::openat(at, names.last().constData(), flags | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    const int error = errno;
    ::close(at);
    errno = error;
    return fd;
}

bool couldWriteItself(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_uid == ::geteuid() ||
            ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0);
}

QByteArray withFolderResolved(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return path;
    }
    const QByteArray parent = slash == 0 ? QByteArray("/") : path.left(slash);
    char resolved[PATH_MAX];
    if (::realpath(parent.constData(), resolved) == nullptr) {
        return path;
    }
    const QByteArray folder(resolved);
    return folder + (folder.endsWith('/') ? "" : "/") + path.mid(slash + 1);
}
