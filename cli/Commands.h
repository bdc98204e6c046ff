#pragma once

#include "CommandLine.h"
#include "Ostrelctl.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>

// ostrelctl's messages, translated in the "ostrelctl" context.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(ostrelctl)
};

// What every command works with.
struct Command {
    const Invocation& invocation;
    QTextStream& out;
    QTextStream& err;
    const CliSeams& seams;

    // The file named on the command line, else the player's settings.dat,
    // found as the window finds it; none (and the reason on `err`) when no
    // player is attached.
    std::optional<QString> fileOrPlayer(const QString& given) const;
    // Which player `file` is on, for its history.
    PlayerIdentity playerOf(const QString& file) const;
    // Why a file could not be read, on `err`.
    void sayUnread(const QString& path, ReadFailure failure) const;
    // The file as the window opens it; none (reason on `err`) when unreadable.
    std::optional<FileCheck> checked(const QString& path) const;
    // The same, of what was read of it.
    std::optional<FileCheck> checked(const QString& path, const FileContents& contents) const;
    // One line per changed setting: "name : before -> after".
    void printChanges(const QList<SettingChange>& changes) const;
    // How many bytes outside the settings named differ, when any do.
    void sayOtherBytes(qsizetype count, bool afterSettings) const;
};

// The offsets where two files differ, but for those of the settings named.
QList<int> otherDifferingOffsets(const QByteArray& first, const QByteArray& second,
                                 const QList<SettingChange>& changes);

int findCommand(const Command& command);
int showCommand(const Command& command);
int checkCommand(const Command& command);
int diffCommand(const Command& command);
int exportCommand(const Command& command);
int setCommand(const Command& command);
int importCommand(const Command& command);
int historyCommand(const Command& command);
int restoreCommand(const Command& command);

// Writes `image` whole to `path` as import does: under the player's lock,
// over an existing file the window would write back (what it replaces kept
// in the history first), or as a new file; says what changed. `repair`: a
// damaged file (of the wrong size, refused or unreadable) is replaced whole.
int writeWholeImage(const Command& command, const QString& path, const SettingsImage& image,
                    bool repair = false);

// The help of the program (empty name) or of one command; empty for an
// unknown command.
QString helpText(const QString& command);
