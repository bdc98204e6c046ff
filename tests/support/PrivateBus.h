#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

// A session bus of the test's own (dbus-daemon --session), never the user's.
class PrivateBus {
public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (daemon_.waitForReadyRead(10000)) {
            address_ = QString::fromUtf8(daemon_.readLine().trimmed());
        }
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    const QString& address() const { return address_; }
    // A connection of its own, as another program would have.
    QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QProcess daemon_;
    QString address_;
};
