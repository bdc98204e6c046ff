#include "PlayerSession.h"

#include "settings/LoadCheck.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {
struct PlayerSessionText {
    Q_DECLARE_TR_FUNCTIONS(PlayerSession)
};
} // namespace

PlayerSession::PlayerSession(const VolumeList& volumes, LockFolders locks, QString historyFolder,
                             PlayerLock::Holder holder, std::chrono::milliseconds patience)
    : volumes_(volumes)
    , locks_(std::move(locks))
    , historyFolder_(std::move(historyFolder))
    , holder_(holder)
    , patience_(patience) {}

PlayerSession::~PlayerSession() = default;

std::optional<PlayerFile> PlayerSession::find() const {
    return findPlayerFile(volumes_);
}

bool PlayerSession::open(const PlayerFile& file, PlayerQuestions& questions, bool lock) {
    file_ = file;
    player_ = volumes_.player(file.root);
    unplugged_ = false;
    onPlayer_.reset();
    return !lock || takeLock(questions);
}

bool PlayerSession::takeLock(PlayerQuestions& questions) {
    // A second writer on the same player would silently undo this one's edits.
    auto lock = std::make_unique<PlayerLock>(locks_, path(), holder_);
    const PlayerLock::Outcome outcome = lock->take(patience_);
    if (!questions.goOn(outcome, lock->otherHolder(), lock->problem())) {
        return false;
    }
    lock_ = std::move(lock); // the lock of another file, if any, is let go
    return true;
}

bool PlayerSession::lockIsOn(const FileContents& onPlayer, PlayerQuestions& questions) {
    // Another file in the player's place (another player, or the file
    // replaced) is locked before it is written; a write that will fail
    // keeps the lock it has.
    if (locks_.own.isEmpty() || !onPlayer.ok() ||
        (lock_ && lock_->path() == PlayerLock::pathFor(locks_.own, path()))) {
        return true;
    }
    return takeLock(questions);
}

namespace {
FileContents readFor(const QString& path, PlayerWrite mode) {
    return mode == PlayerWrite::WholeFile ? readRegularFile(path, History::kLargestKept, false)
                                          : readSettingsContents(path);
}
} // namespace

FileContents PlayerSession::read(PlayerWrite mode) {
    FileContents contents = readFor(path(), mode);
    if (contents.ok()) {
        onPlayer_ = contents;
    }
    return contents;
}

std::optional<QStringList> PlayerSession::damage() {
    const FileCheck check = checkSettingsFile(path());
    if (check.accepted() || check.failure == ReadFailure::NotARegularFile ||
        check.failure == ReadFailure::Missing) {
        return std::nullopt;
    }
    read(PlayerWrite::WholeFile);
    return check.problems;
}

PlayerSession::Moved PlayerSession::follow() {
    // Where it was, if it is still there; else the last place it is found.
    std::optional<PlayerFile> found;
    for (const QString& root : volumes_.roots()) {
        const std::optional<QString> name = settingsFileIn(root);
        if (name && volumes_.player(root).key() == player_.key()) {
            found = PlayerFile{joinPath(root, QString()), *name};
            if (found->path() == path()) {
                break;
            }
        }
    }
    if (!found) {
        const bool went = !unplugged_;
        unplugged_ = true;
        return went ? Moved::Unplugged : Moved::Nothing;
    }
    if (!unplugged_ && found->path() == path()) {
        return Moved::Nothing; // another volume came or went
    }
    unplugged_ = false;
    file_ = *found;
    // The same bytes as last read or written: the same file, only reached
    // through another device; a write needs no question.
    const FileContents now = readSettingsContents(path());
    if (onPlayer_ && now.ok() && now.bytes == onPlayer_->bytes) {
        onPlayer_->identity = now.identity;
    }
    // Its lock, when it is free: no one else may write under this program.
    auto lock = std::make_unique<PlayerLock>(locks_, path(), holder_);
    if (!locks_.own.isEmpty() && lock->take() == PlayerLock::Outcome::Taken) {
        lock_ = std::move(lock);
    }
    return Moved::Back;
}

PlayerSession::Written PlayerSession::write(const QByteArray& bytes, PlayerQuestions& questions,
                                            PlayerWrite mode) {
    return write(bytes, questions, mode, nullptr);
}

PlayerSession::Written PlayerSession::write(const QByteArray& bytes, PlayerQuestions& questions,
                                            PlayerWrite mode, const QByteArray* expected) {
    if (unplugged_) {
        questions.tell(PlayerSessionText::tr("L'ostrel n'est plus branché : rien n'a été écrit. "
                                             "Rebranchez-le ; vos modifications restent dans la "
                                             "fenêtre."));
        return {Written::No};
    }
    // The file read again just before it is written: another player in the
    // same place, another program, or the player itself may have changed it
    // since. What the user knows to be there is what was last read or
    // written, or what a question has just shown; after each question the
    // file is read once more, under its lock, and asked about again when it
    // changed meanwhile. A damaged file, repaired, is read as read() does.
    // Another program's write expects the bytes that program read, in
    // whichever file is there now.
    const bool whole = mode == PlayerWrite::WholeFile;
    std::optional<FileContents> known = onPlayer_;
    if (expected) {
        known = FileContents{*expected, fileIdentity(path()).value_or(FileIdentity{}),
                             ReadFailure::None};
    }
    FileContents now;
    for (;;) {
        now = readFor(path(), mode);
        if (!now.ok() && (whole || now.failure != ReadFailure::TooLarge)) {
            break; // the write says what is wrong with it; a repair writes it whole
        }
        const qint64 size = now.ok() ? now.bytes.size() : QFileInfo(path()).size();
        if (const QStringList sizeWarnings = sizeMessages(size);
            !whole && !sizeWarnings.isEmpty()) {
            for (const QString& warning : sizeWarnings) {
                questions.tell(warning);
            }
            return {Written::No};
        }
        if (known && now.identity == known->identity && now.bytes == known->bytes) {
            break;
        }
        const PlayerQuestions::Changed answer =
            questions.changed(known && now.identity == known->identity, now);
        if (answer == PlayerQuestions::Changed::Nothing || !lockIsOn(now, questions)) {
            return {Written::No};
        }
        if (answer == PlayerQuestions::Changed::Load) {
            return {Written::Load};
        }
        known = now;
    }
    // What it replaces is kept in the history first, so that it can be
    // undone; a write refused before the player is touched keeps nothing.
    const std::optional<WriteOutcome> refusal = now.ok() ? playerFileRefusal(path()) : std::nullopt;
    bool kept = false;
    if (!refusal && now.ok() && !now.bytes.isEmpty()) {
        const QString problem = history().keep(player_, now.bytes);
        kept = problem.isEmpty();
        if (!kept && !questions.writeUnkept(problem)) {
            return {Written::No};
        }
    }
    const WriteOutcome outcome = refusal ? *refusal : writePlayerFile(path(), bytes, {}, mode);
    if (!outcome.written) {
        questions.tell(outcome.problem);
        return {Written::No, kept};
    }
    // The file just read again is the one written.
    const FileIdentity written =
        now.ok() ? now.identity : fileIdentity(path()).value_or(FileIdentity{});
    onPlayer_ = FileContents{bytes, written, ReadFailure::None};
    return {Written::Yes, kept};
}

bool PlayerSession::holds(const QString& path) const {
    if (file_.name.isEmpty() || unplugged_) {
        return false;
    }
    const std::optional<FileIdentity> ours = fileIdentity(this->path());
    const std::optional<FileIdentity> theirs = fileIdentity(path);
    return ours && theirs
               ? *ours == *theirs
               : QFileInfo(path).absoluteFilePath() == QFileInfo(this->path()).absoluteFilePath();
}

namespace {
// The other program's answers: it asked for no question, only for the
// write or the reason it was not made.
struct OutsideQuestions : PlayerQuestions {
    explicit OutsideQuestions(bool noHistory)
        : noHistory(noHistory) {}
    void tell(const QString& text) override { said.append(text); }
    bool goOn(LockOutcome outcome, const QString&, const QString&) override {
        return outcome == LockOutcome::Taken || outcome == LockOutcome::Unavailable;
    }
    Changed changed(bool, const FileContents&) override {
        wasChanged = true;
        return Changed::Nothing;
    }
    bool writeUnkept(const QString& problem) override {
        unkept = problem;
        return noHistory;
    }
    bool noHistory;
    QStringList said;
    bool wasChanged = false;
    QString unkept;
};

// The settings both changed in `image` since `known` and by `change`.
QStringList editedToo(const QByteArray& known, const QByteArray& image,
                      const OutsideWrite& change) {
    if (known.size() != image.size() || known == image) {
        return {};
    }
    SettingsImage before, edited, read, written;
    before.load(known);
    edited.load(image);
    read.load(change.expected);
    written.load(change.bytes);
    QStringList editedNames;
    for (const SettingChange& edit : settingChanges(before, edited)) {
        editedNames.append(edit.name);
    }
    QStringList both;
    bool sameBytes = false;
    for (const SettingChange& made : settingChanges(read, written)) {
        if (editedNames.contains(made.name)) {
            both.append(made.name);
        }
    }
    // Settings that share a byte are edited together.
    const qsizetype shared = std::min({known.size(), change.expected.size(), change.bytes.size()});
    for (qsizetype i = 0; i < shared; ++i) {
        sameBytes = sameBytes || (known[i] != image[i] && change.expected[i] != change.bytes[i]);
    }
    if (both.isEmpty() && sameBytes) {
        return editedNames;
    }
    return both;
}
} // namespace

OutsideWritten PlayerSession::writeFromOutside(const OutsideWrite& change, QByteArray& image) {
    if (!holds(change.path)) {
        return {OutsideWritten::NotHeld};
    }
    // Any program of the user's may call on the bus: a program with root's
    // rights would lend them to it; and only a file this program would
    // write back is written.
    if (locks_.rootsRights) {
        return {OutsideWritten::Refused,
                {PlayerSessionText::tr("%1 n'est pas écrit : la fenêtre d'ostrel-settings qui "
                                       "tient l'ostrel a les droits de root, et n'écrit rien "
                                       "pour un autre programme. Fermez-la, puis recommencez.")
                     .arg(change.path)}};
    }
    if (const FileCheck check =
            checkSettingsContents({change.bytes, {}, ReadFailure::None}, change.path);
        !check.accepted()) {
        return {OutsideWritten::Refused, check.problems};
    }
    const QByteArray known = onPlayer_ ? onPlayer_->bytes : QByteArray();
    if (const QStringList edited = editedToo(known, image, change); !edited.isEmpty()) {
        return {OutsideWritten::Edited, edited};
    }
    OutsideQuestions questions(change.noHistory);
    const Written written = write(change.bytes, questions, change.mode, &change.expected);
    if (written.outcome != Written::Yes) {
        if (questions.wasChanged) {
            return {OutsideWritten::Changed};
        }
        if (!questions.unkept.isEmpty() && questions.said.isEmpty()) {
            return {OutsideWritten::Unkept, {questions.unkept}};
        }
        return {OutsideWritten::Refused, questions.said, written.kept};
    }
    // The unsaved edits stay on top of what was written.
    QByteArray shown = change.bytes;
    if (known.size() == image.size() && image.size() == shown.size()) {
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (image[i] != known[i]) {
                shown[i] = image[i];
            }
        }
    }
    image = shown;
    return {OutsideWritten::Written,
            questions.unkept.isEmpty() ? QStringList() : QStringList{questions.unkept},
            written.kept};
}
