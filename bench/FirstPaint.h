#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

// Ends the program once a window has painted for the first time, printing
// the process's peak memory so far ("peak_kB 23456"): installed on the
// application, it lets the start-up benchmark time a program up to the moment
// its window is on the screen. The peak comes from the process itself, since
// a parent's figures for its children count the parent's own memory too.
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
                    std::printf("peak_kB %lld\n", peakKilobytes());
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
