#include "FileAttributes.h"

#include <QFile>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/msdos_fs.h>
#endif

namespace {
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

// The FAT attribute bits, on a FAT file system mounted by Linux.
std::optional<quint32> fatAttributes([[maybe_unused]] int fd) {
#ifdef Q_OS_LINUX
    quint32 attributes = 0;
    if (::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0) {
        return attributes;
    }
#endif
    return std::nullopt;
}

void setHiddenAndSystem([[maybe_unused]] const QByteArray& native,
                        [[maybe_unused]] const FileAttributes& wanted) {
#ifdef Q_OS_LINUX
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    if (auto attributes = fatAttributes(fd)) {
        quint32 bits = *attributes & ~quint32(ATTR_HIDDEN | ATTR_SYS);
        bits |= wanted.hidden ? ATTR_HIDDEN : 0;
        bits |= wanted.system ? ATTR_SYS : 0;
        if (bits != *attributes) {
            // Refused where the user may not change the system bit: not an error.
            (void)::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &bits);
        }
    }
    ::close(fd);
#endif
}
} // namespace

bool setFileAttributes(const QString& path, const FileAttributes& attributes) {
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        return false;
    }
    setHiddenAndSystem(native, attributes);
    const mode_t mode =
        attributes.readOnly ? (status.st_mode & ~kWriteBits) : (status.st_mode | S_IWUSR);
    return (mode & 07777) == (status.st_mode & 07777) ||
           ::chmod(native.constData(), mode & 07777) == 0;
}
