#include "e2e/DesktopSession.h"

#include <QStandardPaths>

#include <cstdlib>
#include <unistd.h>

namespace {
constexpr int kStartMs = 15000;

// Reads one line a child prints on its standard output, waiting for it.
QString firstLine(QProcess& process) {
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(kStartMs)) {
            return QString();
        }
    }
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

void stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
}
} // namespace

DesktopSession& DesktopSession::instance() {
    static DesktopSession session;
    return session;
}

DesktopSession::DesktopSession()
    : environment_(QProcessEnvironment::systemEnvironment()) {
    // Programs on this display must really draw there, whatever the tests' own platform is.
    environment_.insert("QT_QPA_PLATFORM", "xcb");
    environment_.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
    environment_.insert("XDG_DATA_HOME", dataHome_.path());
    // The programs' own language, French, whatever this machine's is.
    environment_.remove("LANGUAGE");
    environment_.insert("LC_ALL", "C.UTF-8");
    environment_.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment_.remove("SESSION_MANAGER");
    startDisplay();
    if (displayProblem_.isEmpty()) {
        startBus();
    }
}

DesktopSession::~DesktopSession() {
    if (bus_) {
        stop(*bus_);
    }
    if (xvfb_) {
        stop(*xvfb_);
    }
}

void DesktopSession::startDisplay() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        displayProblem_ = "Xvfb is not installed";
        return;
    }
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
        displayProblem_ = "xdotool is not installed";
        return;
    }
    xvfb_ = std::make_unique<QProcess>();
    xvfb_->setProcessChannelMode(QProcess::SeparateChannels);
    xvfb_->setStandardErrorFile(QProcess::nullDevice());
    // -displayfd 1: Xvfb picks a free display and prints its number when ready.
    // -noreset: the server would otherwise reset, refusing connections for a
    // moment, each time its last client leaves.
    xvfb_->start(
        xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    const QString display = firstLine(*xvfb_);
    if (display.isEmpty()) {
        displayProblem_ = "Xvfb did not start";
        return;
    }
    environment_.insert("DISPLAY", ":" + display);
    ::setenv("DISPLAY", qPrintable(":" + display), 1);
}

void DesktopSession::startBus() {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        accessibilityProblem_ = "dbus-daemon is not installed";
        return;
    }
    bus_ = std::make_unique<QProcess>();
    bus_->setStandardErrorFile(QProcess::nullDevice());
    bus_->setProcessEnvironment(environment_);
    bus_->start(daemon, {"--session", "--nofork", "--print-address=1"});
    const QString address = firstLine(*bus_);
    if (address.isEmpty()) {
        accessibilityProblem_ = "the session bus did not start";
        return;
    }
    environment_.insert("DBUS_SESSION_BUS_ADDRESS", address);
    // The accessibility client in this process finds the bus through these.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", qPrintable(address), 1);
    ::setenv("XDG_RUNTIME_DIR", qPrintable(runtimeDir_.path()), 1);

    // The accessibility library ends the process when its bus cannot be
    // reached: ask the session bus for it first (it starts at-spi on demand).
    QProcess ask;
    ask.setProcessEnvironment(environment_);
    ask.start(QStringLiteral("dbus-send"),
              {"--session", "--print-reply", "--reply-timeout=10000", "--dest=org.a11y.Bus",
               "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
    if (!ask.waitForFinished(15000) || ask.exitStatus() != QProcess::NormalExit ||
        ask.exitCode() != 0) {
        accessibilityProblem_ = "the accessibility bus (at-spi2-core) does not answer";
    }
}
