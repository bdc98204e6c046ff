#pragma once

#include "cli/Ostrelctl.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

// ostrelctl run in process on files in a temporary folder: no real mounts,
// lock and history folders of its own.

struct Result {
    int code = -1;
    QString out;
    QString err;
};

class Cli {
public:
    Cli() {
        QFile table(dir_.filePath(QStringLiteral("mountinfo")));
        (void)table.open(QIODevice::WriteOnly); // no mounts at all
        QDir(dir_.path()).mkdir(QStringLiteral("run"));
        locks = {lockFolder()};
        history = path(QStringLiteral("history"));
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString lockFolder() const { return path(QStringLiteral("run")); }
    LockFolders locks; // where the commands look for the player's lock
    std::function<std::optional<QDBusConnection>()> sessionBus; // none by default
    QString history; // where writes keep what they replace

    QString put(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return file.fileName();
    }

    Result run(const QStringList& arguments, const QByteArray& input = {}) const {
        QBuffer stdinBuffer;
        stdinBuffer.setData(input);
        stdinBuffer.open(QIODevice::ReadOnly);
        Result result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        CliSeams seams{path(QStringLiteral("mountinfo")), locks, &stdinBuffer, history,
                       std::chrono::milliseconds(300)};
        seams.sessionBus = sessionBus;
        result.code = runOstrelctl(arguments, out, err, seams);
        out.flush();
        err.flush();
        return result;
    }

private:
    QTemporaryDir dir_;
};

inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
