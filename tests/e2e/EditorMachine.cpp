#include "e2e/EditorMachine.h"

#include "e2e/DesktopSession.h"
#include "e2e/Xdo.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <stdexcept>

namespace {
constexpr int kWaitMs = 30000; // generous: CI machines may be slow and loaded

void copyFile(const QString& from, const QString& to) {
    if (!QFile::copy(from, to)) {
        throw std::runtime_error(("cannot copy " + from).toStdString());
    }
}

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}
} // namespace

bool showsLabel(const EditorMachine::Items& items, const QString& text) {
    return findItem(items, "label", text) != nullptr;
}

EditorMachine::EditorMachine(const QByteArray& playerBytes,
                             std::optional<InstalledEditor> installed)
    : installed_(std::move(installed)) {
    QDir root(dir_.path());
    root.mkpath("player");
    if (!installed_) {
        root.mkpath("program");
        copyFile(OSTREL_PROGRAM, root.filePath("program/ostrel-settings"));
        copyFile(OSTREL_STATION_LIST, root.filePath("program/station_fm2.csv"));
    }
    if (!playerBytes.isEmpty()) {
        QFile file(playerFile());
        if (!file.open(QIODevice::WriteOnly) || file.write(playerBytes) != playerBytes.size()) {
            fail("cannot write the player's file");
        }
    }
}

EditorMachine::~EditorMachine() {
    if (editor_.state() != QProcess::NotRunning) {
        editor_.kill();
        editor_.waitForFinished(3000);
    }
}

QString EditorMachine::playerFile() const {
    return dir_.filePath("player/settings.dat");
}

QString EditorMachine::backupFile() const {
    return installed_ ? installed_->dataHome + "/ostrel-settings/settings.dat"
                      : dir_.filePath("program/settings.dat");
}

QByteArray EditorMachine::playerBytes() const {
    QFile file(playerFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EditorMachine::start() {
    QProcessEnvironment environment = DesktopSession::instance().environment();
    editor_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList volume{"--volume", dir_.filePath("player")};
    if (installed_) {
        // In a mount namespace of its own, the program's folder bound
        // read-only over itself; the shell then becomes the editor.
        const QString bin = installed_->prefix + "/bin";
        environment.insert("XDG_DATA_HOME", installed_->dataHome);
        editor_.setProcessEnvironment(environment);
        editor_.start("unshare", QStringList{"-m", "sh", "-c",
                                             "mount --bind \"$1\" \"$1\" && "
                                             "mount -o remount,bind,ro \"$1\" && shift && "
                                             "exec \"$@\"",
                                             "sh", bin, bin + "/ostrel-settings"} +
                                     volume);
    } else {
        editor_.setProcessEnvironment(environment);
        editor_.start(dir_.filePath("program/ostrel-settings"), volume);
    }
    if (!editor_.waitForStarted(kWaitMs)) {
        fail("the editor did not start");
    }
}

bool EditorMachine::waitForExit(int milliseconds, int* exitCode) {
    if (!editor_.waitForFinished(milliseconds)) {
        return false;
    }
    if (exitCode != nullptr) {
        *exitCode = editor_.exitStatus() == QProcess::NormalExit ? editor_.exitCode() : -1;
    }
    return true;
}

EditorMachine::Items EditorMachine::look() const {
    return AccessibleTree::of(editor_.processId());
}

std::optional<EditorMachine::Items>
EditorMachine::waitUntil(const std::function<bool(const Items&)>& condition) const {
    const QDeadlineTimer deadline(kWaitMs);
    do {
        Items items = look();
        if (condition(items)) {
            return items;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired() && editor_.state() == QProcess::Running);
    return std::nullopt;
}

AccessibleItem EditorMachine::waitForItem(const QString& role, const QString& name, int nth) const {
    const auto items = waitUntil([&](const Items& now) {
        const AccessibleItem* item = findItem(now, role, name, nth);
        return item != nullptr && !item->box.isEmpty();
    });
    if (!items) {
        fail("no " + role + " \"" + name + "\" showed");
    }
    return *findItem(*items, role, name, nth);
}

void EditorMachine::click(const QString& role, const QString& name, int nth) {
    xdo::click(waitForItem(role, name, nth).box.center());
}

void EditorMachine::clickIn(const QString& role, const QString& name, int nth, QPoint offset) {
    xdo::click(waitForItem(role, name, nth).box.topLeft() + offset);
}

bool EditorMachine::acknowledge(const QString& message) {
    const auto items = waitUntil([&](const Items& now) {
        const AccessibleItem* label = findItem(now, "label", message);
        return label != nullptr && findItem(now, "push button", "OK") != nullptr;
    });
    if (!items) {
        return false;
    }
    const AccessibleItem* label = findItem(*items, "label", message);
    // The OK button of the box that shows this message.
    for (const AccessibleItem& item : *items) {
        if (item.role == "push button" && item.name == "OK" && item.window == label->window) {
            xdo::click(item.box.center());
            return waitUntil([&](const Items& now) {
                       return findItem(now, "label", message) == nullptr;
                   }).has_value() ||
                   editor_.state() != QProcess::Running;
        }
    }
    return false;
}

void EditorMachine::openPage(const QString& button, const QString& role, const QString& name) {
    click("push button", button);
    waitForItem(role, name, 0);
}

bool EditorMachine::statusShows(const QString& text) const {
    return waitUntil([&](const Items& now) { return showsLabel(now, text); }).has_value();
}
