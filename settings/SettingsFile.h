#pragma once

#include "LoadCheck.h"
#include "RegularFile.h"
#include "SettingsImage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>
#include <unistd.h>

// Reads a settings file whole, with the identity of the file read. It fails
// when the file cannot be opened or read, is not a regular file, or holds more
// bytes than a settings image can (800): nothing is half-read.
FileContents readSettingsContents(const QString& path);
// The same, bytes only.
std::optional<QByteArray> readSettingsFile(const QString& path);

// Everything the window says when it opens a file as the player's, in its
// words and order (the size, then each setting it does not understand), and
// whether it would write the file back.
struct FileCheck {
    std::optional<SettingsImage> image; // none when the file cannot be read
    ReadFailure failure = ReadFailure::None;
    QStringList problems;
    bool accepted() const { return image.has_value() && problems.isEmpty(); }
};
FileCheck checkSettingsFile(const QString& path);
// The same for what was read of the file at `path`.
FileCheck checkSettingsContents(const FileContents& contents, const QString& path);

// The outcome of writing a file; when any step failed, `problem` says what
// went wrong, in French, for the user.
struct WriteOutcome {
    bool written = false;
    QString problem;
};

// The system calls that carry the bytes to the disk and back: the real ones,
// unless a test puts failing ones in their place (a short write, a flush that
// fails, a disk that returns other bytes than it was given).
struct FileCalls {
    ssize_t (*pwrite)(int fd, const void* data, size_t size, off_t offset) = ::pwrite;
    int (*fsync)(int fd) = ::fsync;
    ssize_t (*pread)(int fd, void* data, size_t size, off_t offset) = ::pread;
};

// Writes `bytes` over the beginning of the player's existing settings.dat:
// never creates it, never shortens it, later bytes stay as they are. The
// file is opened without following any link, and its read-only attribute is
// lifted for the write and set again through the open file, never through
// its name; afterwards the file is left read-only, hidden and system. The
// bytes are flushed to the device and read back, and the file made read-only
// again, before the write counts as done; a write that fails puts back what
// the file held. A program that root runs through sudo (see
// becomeInvokingUser) writes as its user; only a settings.dat that user
// cannot write is written with root's rights, and only when every folder on
// its path is root's alone.
// WholeFile: the file becomes exactly `bytes`, however long it was (a
// damaged file repaired from the history).
enum class PlayerWrite { OverTheStart, WholeFile };
WriteOutcome writePlayerFile(const QString& path, const QByteArray& bytes,
                             const FileCalls& calls = {},
                             PlayerWrite mode = PlayerWrite::OverTheStart);
// Why the player's file at `path` would be refused before a byte is written
// (missing, a link, a folder...); none when it would not.
std::optional<WriteOutcome> playerFileRefusal(const QString& path);

// Replaces the file at `path` with exactly `bytes`, made with `mode`: they go
// to a temporary file beside it, flushed to the disk, which then takes its
// place, so that a failure leaves the old file (or none) whole. The error
// number when it failed.
std::optional<int> replaceFileWhole(const QString& path, const QByteArray& bytes, unsigned mode,
                                    const FileCalls& calls = {});
// The same, but a file that already has the name is never replaced (EEXIST):
// the file is made whole under that name, or not at all.
std::optional<int> writeFileWhole(const QString& path, const QByteArray& bytes, unsigned mode,
                                  bool mayReplace, const FileCalls& calls = {});
// Why a file could not be written into `folder`, in French.
QString folderWriteReason(int error, const QString& folder);

// Replaces the backup with exactly `bytes`, as replaceFileWhole does, so a
// failed save leaves the old backup whole.
WriteOutcome saveBackupFile(const QString& path, const QByteArray& bytes,
                            const FileCalls& calls = {});
