#pragma once

#include "e2e/AccessibleTree.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <vector>

// An editor installed under a prefix by `cmake --install` (bin/, share/),
// run with its program folder read-only, as a system-wide install is.
struct InstalledEditor {
    QString prefix;
    QString dataHome; // the user's XDG_DATA_HOME
};

// A computer with the built editor copied into a folder of its own (the
// station list beside it, and the backup once saved), or an installed editor,
// and a simulated player: a folder whose root holds settings.dat, offered with
// --volume.
class EditorMachine {
public:
    using Items = std::vector<AccessibleItem>;

    // An empty `playerBytes` attaches no player: the volume folder stays empty.
    explicit EditorMachine(const QByteArray& playerBytes,
                           std::optional<InstalledEditor> installed = std::nullopt);
    ~EditorMachine();

    QString playerFile() const;
    QString backupFile() const;
    QByteArray playerBytes() const;

    // Starts the editor on this machine's display.
    void start();
    // True when the editor ended within the time, with that exit code.
    bool waitForExit(int milliseconds, int* exitCode = nullptr);

    // What the editor shows now.
    Items look() const;
    // Waits until `condition` holds for what the editor shows (30 s at most).
    // Returns what it showed then, or nothing after the wait.
    std::optional<Items> waitUntil(const std::function<bool(const Items&)>& condition) const;
    // Waits for a showing item of that role and name, then clicks its centre.
    void click(const QString& role, const QString& name, int nth = 0);
    // Clicks a point of a showing item, relative to its top-left corner.
    void clickIn(const QString& role, const QString& name, int nth, QPoint offset);
    // The message box showing that text, acknowledged with its OK button.
    // False when no such box came.
    bool acknowledge(const QString& message);
    // Clicks a page button and waits until a control of that page shows.
    void openPage(const QString& button, const QString& role, const QString& name);
    // The main window's status line shows `text`.
    bool statusShows(const QString& text) const;

private:
    AccessibleItem waitForItem(const QString& role, const QString& name, int nth) const;

    QTemporaryDir dir_;
    std::optional<InstalledEditor> installed_;
    QProcess editor_;
};

// A label of that caption shows.
bool showsLabel(const EditorMachine::Items& items, const QString& text);
