#pragma once

#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

// A tiny tmpfs mounted on a folder for the length of a test, to see writes
// fail for real on a read-only or full disk. Only root may mount: otherwise
// `mounted()` is false and `why()` says so.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& folder, const char* options = "size=64k")
        : folder_(folder.toLocal8Bit()) {
        if (::geteuid() != 0) {
            why_ = "mounting a small disk needs root";
        } else if (::mount("tmpfs", folder_.constData(), "tmpfs", 0, options) != 0) {
            why_ = QString("cannot mount tmpfs: %1").arg(std::strerror(errno));
        } else {
            mounted_ = true;
        }
    }
    ~SmallTmpfs() {
        if (mounted_) {
            ::umount2(folder_.constData(), MNT_DETACH);
        }
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    std::string why() const { return why_.toStdString(); }
    bool remountReadOnly() {
        return ::mount(nullptr, folder_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString why_;
};

// Fills the disk under `folder` until no byte more fits.
inline void fillUp(const QString& folder) {
    FILE* filler = std::fopen((folder + "/filler").toLocal8Bit().constData(), "wb");
    if (filler == nullptr) {
        return;
    }
    static const char block[512] = {1};
    while (std::fwrite(block, 1, sizeof block, filler) == sizeof block &&
           std::fflush(filler) == 0) {
    }
    while (std::fwrite(block, 1, 1, filler) == 1 && std::fflush(filler) == 0) {
    }
    std::fclose(filler);
}
