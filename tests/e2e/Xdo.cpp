#include "e2e/Xdo.h"

#include "e2e/DesktopSession.h"

#include <QProcess>

#include <stdexcept>

namespace {
struct Result {
    int exitCode;
    QString output;
};

Result run(const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(DesktopSession::instance().environment());
    process.start("xdotool", arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        throw std::runtime_error("xdotool did not answer");
    }
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput())};
}

void mustRun(const QStringList& arguments) {
    if (run(arguments).exitCode != 0) {
        throw std::runtime_error(("xdotool failed: " + arguments.join(' ')).toStdString());
    }
}
} // namespace

namespace xdo {

void click(QPoint at) {
    mustRun(
        {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void type(const QString& text) {
    mustRun({"type", "--delay", "30", text});
}

void key(const QString& name) {
    mustRun({"key", name});
}

void focusWindow(const QString& id) {
    mustRun({"windowfocus", "--sync", id});
}

QStringList windowsNamed(const QString& pattern) {
    // xdotool exits with 1 when no window matches.
    return run({"search", "--onlyvisible", "--name", pattern})
        .output.split('\n', Qt::SkipEmptyParts);
}

} // namespace xdo
