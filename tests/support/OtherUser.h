#pragma once

// Another user of the computer, uid 4242, for tests that run as root.
#include "player/PlayerLock.h"

#include <QDirIterator>
#include <QFile>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The user, with a home made in `parent` (opened to all so that the user reaches it).
inline UserAccount otherUser(const QString& parent) {
    const QString home = parent + "/home";
    const bool made = QDir().mkdir(home) && ::chown(QFile::encodeName(home), 4242, 4242) == 0 &&
                      ::chmod(QFile::encodeName(parent), 0755) == 0;
    return {4242, 4242, made ? home : QString()};
}

// The user's window on `file`, its lock taken as the user; none when it cannot be.
inline std::unique_ptr<PlayerLock> windowOf(const UserAccount& user, const QString& file) {
    const ActingAs asUser(user);
    auto lock =
        std::make_unique<PlayerLock>(PlayerLock::folderFor(user), file, PlayerLock::Holder::Window);
    return lock->take() == PlayerLock::Outcome::Taken ? std::move(lock) : nullptr;
}

// What lies under `folder` (hidden files too) that `uid` does not own.
inline QStringList notOwnedBy(const QString& folder, uint uid) {
    QStringList others;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        if (const QFileInfo made(it.next()); made.ownerId() != uid) {
            others.append(made.filePath());
        }
    }
    return others;
}
