#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A private desktop for the end-to-end tests: an Xvfb display and a D-Bus
// session bus (through which the accessibility bus starts on demand). Each
// test program starts its own, so test programs can run side by side.
class DesktopSession {
public:
    // Starts the session once; later calls return the same one.
    static DesktopSession& instance();
    ~DesktopSession();

    // Why the display could not be started; empty when it runs.
    QString displayProblem() const { return displayProblem_; }
    // Why widget texts cannot be read; empty when the accessibility bus is there.
    QString accessibilityProblem() const { return accessibilityProblem_; }

    // The environment a program needs to show its window on this display.
    QProcessEnvironment environment() const { return environment_; }

private:
    DesktopSession();
    void startDisplay();
    void startBus();

    QTemporaryDir runtimeDir_;
    QTemporaryDir dataHome_; // the programs' history and backups, never the user's own
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> bus_;
    QProcessEnvironment environment_;
    QString displayProblem_;
    QString accessibilityProblem_;
};
