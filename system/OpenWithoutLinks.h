#pragma once

#include <QByteArray>

// Opens the absolute `path` with `flags`, following no link on the way: from
// "/", each folder is opened in turn without following one, then the file
// itself (ELOOP where a link stands). With `rootsAlone`, every folder on the
// way, "/" included, must be root's and writable by no one else: no one but
// root can then put another file in the path's place while root writes it.
// Where one is not, fails with EPERM and `folder` names it. The descriptor,
// or -1 with errno set.
int openWithoutLinks(const QByteArray& path, int flags, bool rootsAlone, QByteArray& folder);

// Whether the process, as it is now, could write the file at `path` itself:
// reach it, and own it (and so lift its read-only mode) or be let write it.
bool couldWriteItself(const QByteArray& path);

// `path` with its folder's links resolved (its own name kept, even when it is
// a link); as it is when the folder cannot be resolved.
QByteArray withFolderResolved(const QByteArray& path);
