#pragma once

#include "settings/MountTable.h"

#include <QObject>

class QSocketNotifier;

// Tells when the mounted file systems change: a player plugged in,
// unplugged, or mounted elsewhere. Tests emit changed() themselves.
class MountEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void changed();
};

// The kernel's own signal: the mount table turns readable with an exception
// (POLLPRI) whenever a mount comes or goes. No timer: nothing runs while
// nothing changes.
class MountTableWatch : public MountEvents {
    Q_OBJECT
public:
    explicit MountTableWatch(const QString& table = kMountTable, QObject* parent = nullptr);
    ~MountTableWatch() override;

private:
    void readToEnd();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};
