#pragma once

#include "History.h"
#include "PlayerLock.h"
#include "Volumes.h"
#include "settings/RegularFile.h"
#include "settings/SettingsFile.h"

#include <chrono>
#include <memory>
#include <optional>

// How a program answers what its player's session asks, and hears what went
// wrong: the window with its dialogs, ostrelctl with its options and errors.
class PlayerQuestions {
public:
    virtual ~PlayerQuestions() = default;
    // What stopped a write, in the user's words.
    virtual void tell(const QString& text) = 0;
    // The player's lock was just tried: whether the program goes on, said
    // when it does not. `otherHolder` names a holder who is another user or
    // root (see PlayerLock::otherHolder); `problem` why no lock could be made.
    using LockOutcome = PlayerLock::Outcome;
    virtual bool goOn(LockOutcome outcome, const QString& otherHolder, const QString& problem) = 0;
    // The player's file is no longer what the program last read or wrote:
    // its bytes changed (`sameFile`), or another file stands in its place.
    enum class Changed { Write, Load, Nothing };
    virtual Changed changed(bool sameFile, const FileContents& now) = 0;
    // What a write replaces cannot be kept in the history: write anyway?
    virtual bool writeUnkept(const QString& problem) = 0;
};

// A write that another program (ostrelctl) hands to the program that holds
// the player: the file as that program read it, and what it would write.
struct OutsideWrite {
    QString path;
    QByteArray expected;
    QByteArray bytes;
    PlayerWrite mode = PlayerWrite::OverTheStart;
    bool noHistory = false; // written even when what it replaces cannot be kept
};
struct OutsideWritten {
    enum Outcome {
        Written,    // `said`: why what it replaced could not be kept, if it could not
        Changed,    // the file is no longer what the other program read
        Edited,     // `said`: settings edited here and not written, which it changes too
        Unkept,     // `said`: why what it replaces cannot be kept
        Refused,    // `said`: why it was not written
        NotHeld,    // this program does not hold that file
        Unreachable // no program answered
    } outcome = Unreachable;
    QStringList said = {};
    bool kept = false; // what it replaced was kept in the history
};

// A player's whole life in one program, without widgets, the same for the
// window and ostrelctl: which file it is (where, which player, plugged in or
// not), its lock, what the program last read from it or wrote to it, its
// history, and the one way to write it: read again under the lock, asked
// about when it changed meanwhile, what it replaces kept in the history
// first, then written over its start, or whole when it is repaired.
class PlayerSession {
public:
    using Holder = PlayerLock::Holder; // a window's, or a command's
    PlayerSession(const VolumeList& volumes, LockFolders locks, QString historyFolder,
                  Holder holder, std::chrono::milliseconds patience = PlayerLock::kCommandPatience);
    ~PlayerSession();
    PlayerSession(const PlayerSession&) = delete;
    PlayerSession& operator=(const PlayerSession&) = delete;

    // The player as both programs find it: none when no volume holds one.
    std::optional<PlayerFile> find() const;
    // Makes `file` the session's player and, unless told not to, takes its
    // lock; false when the program must not go on (see goOn).
    bool open(const PlayerFile& file, PlayerQuestions& questions, bool lock = true);

    QString path() const { return file_.path(); }
    const QString& root() const { return file_.root; }
    const PlayerIdentity& player() const { return player_; }
    bool unplugged() const { return unplugged_; }
    History history() const { return History(historyFolder_); }

    // Reads the player's file whole: what the next write compares with,
    // when it could be read. WholeFile: a damaged file, as a repair keeps
    // what it can of it (up to 1 MiB, never through a link).
    FileContents read(PlayerWrite mode = PlayerWrite::OverTheStart);
    // What is wrong with a damaged player's file (of the wrong size,
    // refused, or unreadable), which a restore replaces whole; none when the
    // file is sound, missing or no file at all. A damaged file is read as a
    // repair reads it: what the user is asked about is what is replaced.
    std::optional<QStringList> damage();

    // After the mounts changed: whether the player went, or came back
    // (often as another device, at another mount point: it is known by the
    // identity its history uses), its lock then taken when it is free.
    enum class Moved { Nothing, Unplugged, Back };
    Moved follow();

    struct Written {
        enum Outcome { Yes, No, Load } outcome; // Load: the user would rather load the player's
        bool kept = false;                      // what it replaced was kept in the history
    };
    // Writes `bytes` to the player, asking `questions` what the user wants
    // whenever the file changed since it was last read or written.
    Written write(const QByteArray& bytes, PlayerQuestions& questions,
                  PlayerWrite mode = PlayerWrite::OverTheStart);

    // Whether `path` is this session's player's file (the same file, by
    // whatever path it is reached).
    bool holds(const QString& path) const;
    // Another program's write, applied to the player's file as it is now,
    // not to `image` (this program's image of it, with its unsaved edits):
    // refused when the file is no longer what that program read, or when a
    // setting it changes is edited in `image` and not written. Once written,
    // `image` is the file written with its unsaved edits on top.
    OutsideWritten writeFromOutside(const OutsideWrite& write, QByteArray& image);

private:
    Written write(const QByteArray& bytes, PlayerQuestions& questions, PlayerWrite mode,
                  const QByteArray* expected);
    bool takeLock(PlayerQuestions& questions);
    bool lockIsOn(const FileContents& onPlayer, PlayerQuestions& questions);

    const VolumeList& volumes_;
    LockFolders locks_;
    QString historyFolder_;
    PlayerLock::Holder holder_;
    std::chrono::milliseconds patience_;
    PlayerFile file_;
    PlayerIdentity player_;
    bool unplugged_ = false;
    std::unique_ptr<PlayerLock> lock_;
    std::optional<FileContents> onPlayer_; // as last read or written
};
