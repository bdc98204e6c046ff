#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct RegularFileText {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};
} // namespace

namespace {
FileContents failed(ReadFailure failure) {
    FileContents contents;
    contents.failure = failure;
    return contents;
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};
} // namespace

FileContents readRegularFile(const QString& path, qint64 limit, bool followLinks) {
    if (path.isEmpty()) {
        return failed(ReadFailure::Missing);
    }
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(),
               O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW))};
    if (file.fd < 0) {
        return failed(errno == ENOENT || errno == ENOTDIR ? ReadFailure::Missing
                                                          : ReadFailure::Unreadable);
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        return failed(ReadFailure::Unreadable);
    }
    if (!S_ISREG(status.st_mode)) {
        return failed(ReadFailure::NotARegularFile);
    }
    FileContents contents;
    contents.identity = identityOfOpenFile(file.fd).value_or(FileIdentity{});
    // One byte past the limit tells a file that is too large.
    contents.bytes.resize(limit + 1);
    qint64 filled = 0;
    while (filled < contents.bytes.size()) {
        const ssize_t count = ::read(file.fd, contents.bytes.data() + filled,
                                     static_cast<size_t>(contents.bytes.size() - filled));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return failed(ReadFailure::Unreadable);
        }
        if (count == 0) {
            break;
        }
        filled += count;
    }
    if (filled > limit) {
        return failed(ReadFailure::TooLarge);
    }
    contents.bytes.truncate(filled);
    return contents;
}

FileContents readToEnd(QIODevice& device, qint64 limit) {
    if (!device.isReadable()) {
        return failed(ReadFailure::Unreadable);
    }
    // A pipe hands its data over in chunks: an empty read is its end.
    FileContents contents;
    for (;;) {
        const QByteArray chunk = device.read(limit + 1 - contents.bytes.size());
        if (chunk.isEmpty()) {
            break;
        }
        contents.bytes += chunk;
        if (contents.bytes.size() > limit) {
            return failed(ReadFailure::TooLarge);
        }
    }
    return contents;
}

QString readFailureText(ReadFailure failure) {
    switch (failure) {
    case ReadFailure::None:
        break;
    case ReadFailure::Missing:
        return RegularFileText::tr("fichier absent");
    case ReadFailure::NotARegularFile:
        return RegularFileText::tr("ce n'est pas un fichier ordinaire (un dossier, un tube, "
                                   "un périphérique...)");
    case ReadFailure::TooLarge:
        return RegularFileText::tr("trop grand");
    case ReadFailure::Unreadable:
        return RegularFileText::tr("lecture impossible");
    }
    return QString();
}
