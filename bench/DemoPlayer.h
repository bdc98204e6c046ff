#pragma once

#include "settings/DemoImage.h"

#include <QFile>
#include <QTemporaryDir>

// A simulated player in a temporary folder: its root holds a valid
// settings.dat.
class DemoPlayer {
public:
    DemoPlayer() {
        QFile out(file());
        const QByteArray bytes = demoSettingsImage().fileBytes();
        ready_ = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }
    bool ready() const { return ready_; }
    QString root() const { return dir_.path(); }
    QString file() const { return dir_.filePath(QStringLiteral("settings.dat")); }

private:
    QTemporaryDir dir_;
    bool ready_ = false;
};
