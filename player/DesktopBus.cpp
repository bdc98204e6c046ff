#include "DesktopBus.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char kApplicationInterface[] = "org.freedesktop.Application";
// A write of the player's file is quick, but a FAT disk may be slow.
constexpr int kWriteTimeout = 120'000;
constexpr int kQuestionTimeout = 3'000;

QString windowPrefix() {
    return QString::fromLatin1(DesktopBus::kApplicationId) + QStringLiteral(".Window.");
}

// The token the desktop gave a launch to bring its window forward.
QString tokenIn(const QVariantMap& platformData) {
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    return token.isEmpty() ? platformData.value(QStringLiteral("desktop-startup-id")).toString()
                           : token;
}

class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    ApplicationAdaptor(QObject* parent, WindowHost& host)
        : QDBusAbstractAdaptor(parent)
        , host_(host) {}
public slots:
    void Activate(const QVariantMap& platform_data) { host_.comeForward(tokenIn(platform_data)); }
    // The window edits one player, found by itself: what it is asked to
    // open or do only brings it forward.
    void Open(const QStringList&, const QVariantMap& platform_data) { Activate(platform_data); }
    void ActivateAction(const QString&, const QVariantList&, const QVariantMap& platform_data) {
        Activate(platform_data);
    }

private:
    WindowHost& host_;
};

class PlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.example.OstrelSettings.Player")
public:
    PlayerAdaptor(QObject* parent, WindowHost& host)
        : QDBusAbstractAdaptor(parent)
        , host_(host) {}
public slots:
    bool Holds(const QString& path) { return host_.holds(path); }
    int Write(const QString& path, const QByteArray& expected, const QByteArray& bytes, bool whole,
              bool noHistory, QStringList& said, bool& kept) {
        const OutsideWritten written = host_.writeFromOutside(
            {path, expected, bytes, whole ? PlayerWrite::WholeFile : PlayerWrite::OverTheStart,
             noHistory});
        said = written.said;
        kept = written.kept;
        return written.outcome;
    }

private:
    WindowHost& host_;
};

QDBusMessage call(const QDBusConnection& bus, const QString& window, const char* interface,
                  const QString& method, const QVariantList& arguments, int timeout) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(window, QString::fromLatin1(DesktopBus::kObjectPath),
                                       QString::fromLatin1(interface), method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, timeout);
}
} // namespace

std::optional<QDBusConnection> userSessionBus(const UserIds& ids) {
    // Through sudo, only the user's own socket, whatever the environment says.
    const UserAccount account = actingAccount(ids);
    QString address =
        account.throughSudo ? QString() : qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty()) {
        // Where systemd's user bus listens.
        const QByteArray socket =
            QByteArray("/run/user/") + QByteArray::number(account.uid) + QByteArray("/bus");
        struct stat status {};
        if (::stat(socket.constData(), &status) == 0 && S_ISSOCK(status.st_mode) &&
            status.st_uid == account.uid) {
            address = QStringLiteral("unix:path=") + QString::fromLocal8Bit(socket);
        }
    }
    if (address.isEmpty()) {
        return std::nullopt;
    }
    const QString name = QStringLiteral("ostrel-user-bus");
    QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return std::nullopt;
    }
    return bus;
}

WindowOnBus::WindowOnBus(QDBusConnection bus, WindowHost& host)
    : bus_(std::move(bus))
    , object_(std::make_unique<QObject>()) {
    new ApplicationAdaptor(object_.get(), host);
    new PlayerAdaptor(object_.get(), host);
    bus_.registerObject(QString::fromLatin1(DesktopBus::kObjectPath), object_.get());
    // The first window has the application id the desktop calls; every
    // window has its own name, by which a launch or a command finds the one
    // that holds its player.
    QDBusConnectionInterface* names = bus_.interface();
    if (names) {
        names->registerService(QString::fromLatin1(DesktopBus::kApplicationId),
                               QDBusConnectionInterface::DontQueueService);
        static int windows = 0;
        ownName_ = windowPrefix() + QStringLiteral("p%1_%2").arg(::getpid()).arg(++windows);
        names->registerService(ownName_, QDBusConnectionInterface::DontQueueService);
    }
}

WindowOnBus::~WindowOnBus() {
    bus_.unregisterObject(QString::fromLatin1(DesktopBus::kObjectPath));
    if (QDBusConnectionInterface* names = bus_.interface()) {
        names->unregisterService(ownName_);
        if (names->serviceOwner(QString::fromLatin1(DesktopBus::kApplicationId)).value() ==
            bus_.baseService()) {
            names->unregisterService(QString::fromLatin1(DesktopBus::kApplicationId));
        }
    }
}

std::optional<QString> windowHolding(const QDBusConnection& bus, const QString& path) {
    QDBusConnectionInterface* names = bus.interface();
    if (!names) {
        return std::nullopt;
    }
    const QStringList registered = names->registeredServiceNames().value();
    for (const QString& window : registered) {
        if (!window.startsWith(windowPrefix()) ||
            names->serviceOwner(window).value() == bus.baseService()) {
            continue;
        }
        const QDBusMessage reply = call(bus, window, DesktopBus::kPlayerInterface,
                                        QStringLiteral("Holds"), {path}, kQuestionTimeout);
        if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool()) {
            return window;
        }
    }
    return std::nullopt;
}

bool bringForward(const QDBusConnection& bus, const QString& window) {
    QVariantMap platformData;
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    const QString startup = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    if (!token.isEmpty()) {
        platformData.insert(QStringLiteral("activation-token"), token);
    }
    if (!startup.isEmpty()) {
        platformData.insert(QStringLiteral("desktop-startup-id"), startup);
    }
    const QDBusMessage reply = call(bus, window, kApplicationInterface, QStringLiteral("Activate"),
                                    {platformData}, kQuestionTimeout);
    return reply.type() == QDBusMessage::ReplyMessage;
}

OutsideWritten writeThroughWindow(const QDBusConnection& bus, const QString& window,
                                  const OutsideWrite& write) {
    const QDBusMessage reply =
        call(bus, window, DesktopBus::kPlayerInterface, QStringLiteral("Write"),
             {write.path, write.expected, write.bytes, write.mode == PlayerWrite::WholeFile,
              write.noHistory},
             kWriteTimeout);
    const QVariantList answer = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || answer.size() != 3) {
        return {OutsideWritten::Unreachable};
    }
    const int outcome = answer[0].toInt();
    if (outcome < OutsideWritten::Written || outcome > OutsideWritten::Unreachable) {
        return {OutsideWritten::Unreachable};
    }
    return {static_cast<OutsideWritten::Outcome>(outcome), answer[1].toStringList(),
            answer[2].toBool()};
}

#include "DesktopBus.moc"
