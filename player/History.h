#pragma once

#include "PlayerIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Every write to a player first keeps the file it replaces, so that any write
// can be undone. The entries lie in the user's data folder, in history/, one
// folder per player and one file per entry: a short text header (its id,
// which player, when) then the file as it was on the player. Entries are
// numbered in the order they are kept, whatever the clock says, and each is
// made under a name of its own, never over another. The newest 100 entries
// of each player are kept; nothing else ever removes one.

struct HistoryEntry {
    enum class Damage { None, WrongSize, UnknownPlayer };
    QString id;     // a short name that never changes, to name it by
    QString file;   // where it lies
    QDateTime kept; // UTC; invalid when the header does not say
    PlayerIdentity player;
    QByteArray bytes; // the player's file as it was (of any size: it may have been damaged)
    Damage damage = Damage::None;
    // When it was kept, in local time as both programs show it; empty when unknown.
    QString keptText() const;
    // Whether it can be put back: whole, and a file of the settings' size.
    bool restorable() const;
    // Why it cannot be put back, in the user's language; empty when it can.
    QString damageText() const;
};

class History {
public:
    static constexpr int kEntriesPerPlayer = 100;
    // The largest player's file kept: a damaged one may be of any size.
    static constexpr qint64 kLargestKept = 1 << 20;

    // `folder` is the history/ folder itself.
    explicit History(QString folder);

    // Keeps `bytes` as the newest entry of `player`, unless its newest entry
    // already holds exactly them; written and flushed to the disk before this
    // returns, and the oldest ones past the hundredth removed. Empty on
    // success; otherwise why the entry could not be kept ("le disque est
    // plein"), in the user's language, and nothing half-kept is left.
    QString keep(const PlayerIdentity& player, const QByteArray& bytes,
                 const QDateTime& now = QDateTime::currentDateTimeUtc()) const;

    // The entries of one player, newest first.
    QList<HistoryEntry> entries(const PlayerIdentity& player) const;
    // The entries of every player, each player's newest first.
    QList<QList<HistoryEntry>> everyPlayer() const;
    // The entry of any player with this id.
    std::optional<HistoryEntry> find(const QString& id) const;

    const QString& folder() const { return folder_; }

private:
    QString folder_;
};

// The history/ folder of a user's data folder, which both programs share.
QString historyFolderIn(const QString& dataFolder);
