#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <chrono>
#include <cstdio>

// Ends the program once a window has painted for the first time, printing
// the moment it did on the monotonic clock ("shown_ns 123456789") and the
// process's peak memory so far ("peak_kB 23456"): installed on the
// application, it lets the start-up benchmark time a program up to the moment
// its window is on the screen. The tear-down that follows is not start-up and
// must not be timed: Qt's font database, for one, reads the whole font
// configuration on destruction when nothing has read it before. The peak
// comes from the process itself, since a parent's figures for its children
// count the parent's own memory too.
class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && !quitting_) {
            quitting_ = true;
            // Queued: the paint itself finishes first.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    const auto shown = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("shown_ns %lld\npeak_kB %lld\n",
                                static_cast<long long>(std::chrono::nanoseconds(shown).count()),
                                peakKilobytes());
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    // VmHWM of /proc/self/status; 0 where there is none.
    static long long peakKilobytes() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return 0;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:")) {
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
            }
        }
        return 0;
    }

    bool quitting_ = false;
};
