#pragma once

#include "FileIdentity.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Reading a file that a user names, which may not be one: a FIFO would block
// for ever on opening, a device would never end. Only regular files are read,
// and opening one never blocks.

enum class ReadFailure { None, Missing, NotARegularFile, TooLarge, Unreadable };

struct FileContents {
    QByteArray bytes;
    FileIdentity identity; // of the file the bytes came from
    ReadFailure failure = ReadFailure::None;
    bool ok() const { return failure == ReadFailure::None; }
};

// A regular file whole, when it holds at most `limit` bytes. Links are
// followed unless `followLinks` is false: a link is then Unreadable.
FileContents readRegularFile(const QString& path, qint64 limit, bool followLinks = true);

// A stream (standard input, a pipe) to its end, when it holds at most `limit` bytes.
FileContents readToEnd(QIODevice& device, qint64 limit);

// Why a file was not read, in French: "fichier absent"...
QString readFailureText(ReadFailure failure);
