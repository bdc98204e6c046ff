#pragma once

#include "PlayerSession.h"
#include "UserAccount.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include <memory>
#include <optional>

// The window on the user's session bus, both sides of it: the window serves
// its application id (org.freedesktop.Application, so that the desktop, or a
// second launch, brings it to the front) and the player it holds, to which
// ostrelctl hands its writes.
namespace DesktopBus {
inline constexpr char kApplicationId[] = "com.example.OstrelSettings";
inline constexpr char kObjectPath[] = "/com/example/OstrelSettings";
inline constexpr char kPlayerInterface[] = "com.example.OstrelSettings.Player";
} // namespace DesktopBus

// The user's session bus; none where there is none (ssh, a bare console).
// The address the environment gives, else the socket in the user's runtime
// folder; through sudo, only that socket, reached as the user who ran sudo.
std::optional<QDBusConnection> userSessionBus(const UserIds& ids);

// What the window does when the bus asks.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual bool holds(const QString& path) const = 0;
    // To the front, with the token the desktop gave the launch (Wayland's
    // XDG_ACTIVATION_TOKEN or X11's DESKTOP_STARTUP_ID); may be empty.
    virtual void comeForward(const QString& activationToken) = 0;
    virtual OutsideWritten writeFromOutside(const OutsideWrite& write) = 0;
};

// The window served on the bus while this lives: the application id when no
// other window has it, a name of its own, and the object behind both.
class WindowOnBus {
public:
    WindowOnBus(QDBusConnection bus, WindowHost& host);
    ~WindowOnBus();
    WindowOnBus(const WindowOnBus&) = delete;
    WindowOnBus& operator=(const WindowOnBus&) = delete;

private:
    QDBusConnection bus_;
    std::unique_ptr<QObject> object_;
    QString ownName_;
};

// The name of another program's window on the bus that holds the player's
// file `path`; none when no window answers that it does.
std::optional<QString> windowHolding(const QDBusConnection& bus, const QString& path);
// Asks that window to come to the front, with this launch's token.
bool bringForward(const QDBusConnection& bus, const QString& window);
// Hands `write` to that window; Unreachable when it does not answer.
OutsideWritten writeThroughWindow(const QDBusConnection& bus, const QString& window,
                                  const OutsideWrite& write);
