#include "MountEvents.h"

#include <QFile>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

MountTableWatch::MountTableWatch(const QString& table, QObject* parent)
    : MountEvents(parent)
    , fd_(::open(QFile::encodeName(table).constData(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) {
        return; // no mount table: no events, and the program works as before
    }
    // The kernel reports a change until the table is read again.
    readToEnd();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Exception, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        readToEnd();
        emit changed();
    });
}

MountTableWatch::~MountTableWatch() {
    delete notifier_;
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void MountTableWatch::readToEnd() {
    char chunk[4096];
    (void)::lseek(fd_, 0, SEEK_SET);
    while (::read(fd_, chunk, sizeof chunk) > 0) {
    }
}
