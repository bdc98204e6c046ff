// The player's life without widgets: the decisions of the one write path
// that the window and ostrelctl share.
#include "player/PlayerSession.h"
#include "settings/DemoImage.h"
#include "settings/NamedSettings.h"
#include "support/CliRig.h"
#include "support/ValidImages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct Answers : PlayerQuestions {
    QStringList told;
    int changes = 0, unkept = 0;
    bool sameFile = false;
    Changed answer = Changed::Nothing;
    void tell(const QString& text) override { told.append(text); }
    bool goOn(LockOutcome outcome, const QString&, const QString&) override {
        return outcome != LockOutcome::HeldByWindow && outcome != LockOutcome::HeldByCommand;
    }
    Changed changed(bool same, const FileContents&) override {
        return ++changes, sameFile = same, answer;
    }
    bool writeUnkept(const QString&) override { return ++unkept, false; }
};
struct Volumes : VolumeList {
    QStringList list;
    QStringList roots() const override { return list; }
};
} // namespace

// What was last read is what is written over without a question; anything
// else is asked about (its bytes, or another file in its place), a file of
// the wrong size is refused unless repaired whole, an unplugged player is
// not written, and nothing is written whose old file cannot be kept.
TEST(PlayerSession, TheOneWritePathAsksWhatBothProgramsMustAsk) {
    using Changed = PlayerQuestions::Changed;
    using Written = PlayerSession::Written;
    enum Before { Unchanged, NewBytes, NewFile, Unplugged, CutShort, NoHistory };
    const struct {
        const char* what;
        Before before;
        Changed answer;
        Written::Outcome outcome;
        int changes;
        PlayerWrite mode = PlayerWrite::OverTheStart;
    } cases[] = {
        {"unchanged", Unchanged, Changed::Nothing, Written::Yes, 0},
        {"bytes changed, write", NewBytes, Changed::Write, Written::Yes, 1},
        {"bytes changed, load", NewBytes, Changed::Load, Written::Load, 1},
        {"bytes changed, nothing", NewBytes, Changed::Nothing, Written::No, 1},
        {"another file, write", NewFile, Changed::Write, Written::Yes, 1},
        {"unplugged", Unplugged, Changed::Write, Written::No, 0},
        {"cut short", CutShort, Changed::Write, Written::No, 0},
        {"cut short, repaired", CutShort, Changed::Write, Written::Yes, 0, PlayerWrite::WholeFile},
        {"history cannot be kept", NoHistory, Changed::Write, Written::No, 0},
    };
    std::mt19937 random(67);
    for (const auto& c : cases) {
        Cli cli;
        Volumes volumes;
        volumes.list = {cli.path("volume")};
        QDir().mkpath(volumes.list[0]);
        const QByteArray first = randomValidImage(random).fileBytes(),
                         other = randomValidImage(random).fileBytes(),
                         next = randomValidImage(random).fileBytes();
        const QString file = cli.put("volume/settings.dat", first);
        PlayerSession session(volumes, {cli.lockFolder()},
                              c.before == NoHistory ? cli.put("history", "x") : cli.history,
                              PlayerSession::Holder::Window);
        Answers answers;
        answers.answer = c.answer;
        ASSERT_TRUE(session.open(*session.find(), answers));
        session.read();
        const QByteArray onPlayer = c.before == NewBytes   ? other
                                    : c.before == CutShort ? first.left(300)
                                                           : first;
        if (c.before == Unplugged) {
            QFile::remove(file);
            session.follow();
        } else { // another file takes the name: it has another inode
            cli.put(c.before == NewFile ? "volume/other" : "volume/settings.dat", onPlayer);
            ::rename(QFile::encodeName(cli.path("volume/other")), QFile::encodeName(file));
        }
        if (c.mode == PlayerWrite::WholeFile) {
            session.damage();
        }
        const Written written = session.write(next, answers, c.mode);
        EXPECT_EQ(written.outcome, c.outcome) << c.what;
        EXPECT_EQ(answers.changes, c.changes) << c.what;
        EXPECT_TRUE(answers.changes == 0 || answers.sameFile == (c.before == NewBytes)) << c.what;
        EXPECT_EQ(answers.unkept, c.before == NoHistory ? 1 : 0) << c.what;
        EXPECT_EQ(contents(file), written.outcome == Written::Yes ? next
                                  : c.before == Unplugged         ? QByteArray()
                                                                  : onPlayer)
            << c.what;
        EXPECT_EQ(written.kept, written.outcome == Written::Yes) << c.what;
    }
}

namespace {
// `bytes` with one setting set as ostrelctl sets it.
QByteArray with(const QByteArray& bytes, const QString& name, const QString& value) {
    SettingsImage image;
    image.load(bytes);
    SettingValues values(namedSettings().size());
    const NamedSetting* setting = namedSetting(name);
    values[static_cast<std::size_t>(setting - namedSettings().data())] =
        parseValue(*setting, value).value;
    applyValues(image, values);
    return image.fileBytes();
}
} // namespace

// A command's write handed to the window's session lands on the file as the
// command read it, never on a setting edited in the window and not written,
// and leaves the window's other unsaved edits on top of it.
TEST(PlayerSession, AWriteFromOutsideKeepsTheEditsItDoesNotTouch) {
    using Out = OutsideWritten;
    enum Also { None, PlayerChanged, OtherPath, NotUnderstood, RootsRights };
    const struct {
        const char* what;
        const char* edited; // in the window, not written: set to 3, or 101.1 for a preset
        Also also;
        Out::Outcome outcome;
        QStringList said;
    } cases[] = {
        {"nothing edited", nullptr, None, Out::Written, {}},
        {"another setting edited", "fm.A", None, Out::Written, {}},
        {"the same setting edited", "contrast", None, Out::Edited, {"contrast"}},
        {"changed since the command read it", nullptr, PlayerChanged, Out::Changed, {}},
        {"another file", nullptr, OtherPath, Out::NotHeld, {}},
        {"bytes the window would not write", nullptr, NotUnderstood, Out::Refused, {"*"}},
        {"a window with root's rights", nullptr, RootsRights, Out::Refused, {"*"}},
    };
    for (const auto& c : cases) {
        Cli cli;
        Volumes volumes;
        volumes.list = {cli.path("volume")};
        QDir().mkpath(volumes.list[0]);
        const QByteArray first = demoSettingsImage().fileBytes();
        const QString file = cli.put("volume/settings.dat", first);
        const QString value = c.edited && c.edited[0] == 'f' ? "101.1" : "3";
        LockFolders locks{cli.lockFolder()};
        locks.rootsRights = c.also == RootsRights;
        PlayerSession session(volumes, locks, cli.history, PlayerSession::Holder::Window);
        Answers answers;
        ASSERT_TRUE(session.open(*session.find(), answers));
        session.read();
        QByteArray image = c.edited ? with(first, c.edited, value) : first;
        const QByteArray windowImage = image;
        if (c.also == PlayerChanged) {
            cli.put("volume/settings.dat", with(first, "fm.B", "99.9"));
        }
        const QByteArray onPlayer = contents(file);
        const OutsideWrite change{c.also == OtherPath ? cli.put("other.dat", first) : file, first,
                                  c.also == NotUnderstood ? first.left(300)
                                                          : with(first, "contrast", "7")};
        const Out written = session.writeFromOutside(change, image);
        EXPECT_EQ(written.outcome, c.outcome) << c.what;
        EXPECT_TRUE(c.said == QStringList{"*"} ? !written.said.isEmpty() : written.said == c.said)
            << c.what;
        const bool done = c.outcome == Out::Written;
        EXPECT_EQ(contents(file), done ? change.bytes : onPlayer) << c.what;
        EXPECT_EQ(written.kept, done) << c.what;
        EXPECT_EQ(image, !done      ? windowImage
                         : c.edited ? with(change.bytes, c.edited, value)
                                    : change.bytes)
            << c.what;
    }
}
