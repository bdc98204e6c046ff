#include "FileAttributes.h"

#include <fcntl.h>
#include <optional>
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

void setFatAttributes([[maybe_unused]] int fd, [[maybe_unused]] const FileAttributes& wanted) {
#ifdef Q_OS_LINUX
    if (auto attributes = fatAttributes(fd)) {
        const quint32 bits = fatAttributeBits(*attributes, wanted);
        if (bits != *attributes) {
            // Refused where the user may not change the system bit: not an error.
            (void)::ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &bits);
        }
    }
#endif
}
} // namespace

quint32 fatAttributeBits(quint32 current, const FileAttributes& wanted) {
#ifdef Q_OS_LINUX
    quint32 bits = current & ~quint32(ATTR_RO | ATTR_HIDDEN | ATTR_SYS);
    bits |= wanted.readOnly ? ATTR_RO : 0;
    bits |= wanted.hidden ? ATTR_HIDDEN : 0;
    bits |= wanted.system ? ATTR_SYS : 0;
    return bits;
#else
    (void)wanted;
    return current;
#endif
}

bool setFileAttributes(int fd, const FileAttributes& attributes) {
    // On the player's FAT file system, read-only is a FAT attribute: setting it
    // with the others gives the file the write permission its mount allows.
    // A chmod that adds only the owner's write bit is quietly ignored there
    // when the mount also lets group or others write.
    setFatAttributes(fd, attributes);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    const mode_t current = status.st_mode & 07777;
    const mode_t mode = attributes.readOnly ? (current & ~kWriteBits) : (current | S_IWUSR);
    return mode == current || ::fchmod(fd, mode) == 0;
}
