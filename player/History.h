#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Every write to a player first keeps the file it replaces, so that any write
// can be undone. The entries lie in the user's data folder, in history/, one
// folder per player and one file per entry: a short text header (which player,
// when) then the 699 bytes as they were on the player. The newest 100 entries
// of each player are kept; nothing else ever removes one.

struct HistoryEntry {
    enum class Damage { None, WrongSize, UnknownPlayer };
    QString file;     // where it lies
    QDateTime kept;   // UTC; invalid when the header does not say
    QString player;   // as the header says it
    QByteArray bytes; // the settings file as it was on the player
    Damage damage = Damage::None;
    // Why it cannot be restored, in French; empty when it can.
    QString damageText() const;
};

class History {
public:
    static constexpr int kEntriesPerPlayer = 100;

    // `folder` is the history/ folder itself.
    explicit History(QString folder);

    // Keeps `bytes` as the newest entry of `player`, unless its newest entry
    // already holds exactly them; written and flushed to the disk before this
    // returns, and the oldest ones past the hundredth removed. Empty on
    // success; otherwise why the entry could not be kept ("le disque est
    // plein"), in the user's language, and nothing half-kept is left.
    QString keep(const QString& player, const QByteArray& bytes,
                 const QDateTime& now = QDateTime::currentDateTimeUtc()) const;

    // The entries of one player, newest first.
    QList<HistoryEntry> entries(const QString& player) const;
    // The entries of every player, each player's newest first.
    QList<QList<HistoryEntry>> everyPlayer() const;

    const QString& folder() const { return folder_; }

private:
    QString playerFolder(const QString& player) const;
    // `player` empty: whichever player the folder is named after.
    QList<HistoryEntry> entriesIn(const QString& folder, const QString& player) const;

    QString folder_;
};

struct UserAccount;

// The history/ folder of the user's data folder, which both programs share.
QString userHistoryFolder(const UserAccount& account);
