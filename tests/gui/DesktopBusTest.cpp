// The window on a session bus of the test's own: a second launch brings it
// forward, and ostrelctl writes through it.
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "support/CliRig.h"
#include "support/PrivateBus.h"
#include "support/TestRig.h"

#include "app/LevelScrollBar.h"

#include <QProcess>
#include <QtTest>

#include <future>

namespace {
// What another program does, run beside the window's event loop.
template <class Work> auto beside(Work work) {
    auto running = std::async(std::launch::async, work);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return running.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
        30000));
    return running.get();
}
} // namespace

TEST(DesktopBus, ASecondLaunchOnTheWindowsPlayerBringsItForwardAndEnds) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    TestRig rig;
    const QString other = rig.addPlayer(validPlayerBytes());
    const QString root = rig.addPlayer(validPlayerBytes()); // the last one found: the window's
    rig.bus = bus.connect(QStringLiteral("window"));
    std::unique_ptr<Form1> window = rig.startShown();
    ASSERT_TRUE(window);
    window->hide();

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(OSTREL_EDITOR), {QStringLiteral("--volume"), root + "/."});
    const bool ended =
        QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000);
    second.kill();
    second.waitForFinished();
    ASSERT_TRUE(ended) << second.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(rig.messages.shown.isEmpty());

    // Another player is not this window's: its launch opens a window of its own.
    const QDBusConnection asker = bus.connect(QStringLiteral("asker"));
    EXPECT_TRUE(beside([&] { return windowHolding(asker, root + "/settings.dat"); }));
    EXPECT_FALSE(beside([&] { return windowHolding(asker, other + "/settings.dat"); }));
}

// Under the window, set and import write through it, onto the player's file
// as it is, and print and return what they do without a window; a setting
// edited in the window and not written is not overwritten from outside.
TEST(DesktopBus, OstrelctlWritesThroughTheWindowAndNeverOverAnUnsavedEdit) {
    const struct {
        const char* what;
        QStringList arguments; // FILE stands for the player's file
        int contrastEdit;      // in the window before the command, unless 0
        bool written;          // else refused, with the same words as alone
    } cases[] = {
        {"set", {"set", "FILE", "fm.A=101.1"}, 0, true},
        {"set beside an unsaved edit", {"set", "FILE", "fm.A=101.1"}, 8, true},
        {"set over an unsaved edit", {"set", "FILE", "contrast=2"}, 8, false},
        {"import", {"import", "DOC", "FILE"}, 0, true},
        {"dry run", {"set", "--dry-run", "FILE", "contrast=2"}, 0, false},
    };
    PrivateBus bus;
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    for (const auto& c : cases) {
        TestRig rig;
        const QString player = rig.addPlayer(validPlayerBytes()) + "/settings.dat";
        rig.bus = bus.connect(QString("window %1").arg(c.what));
        std::unique_ptr<Form1> window = rig.startShown();
        ASSERT_TRUE(window);
        if (c.contrastEdit) {
            window->home->VScroll2->setLevel(c.contrastEdit);
        }
        const QByteArray shownBefore = window->image().fileBytes();

        Cli alone, command;
        command.locks = {rig.lockFolder};
        command.sessionBus = [&] {
            return bus.connect(QString("command %1").arg(c.what));
        };
        const QString document =
            alone.put("doc.json", alone.run({"export", alone.put("copy", validPlayerBytes())})
                                      .out.toUtf8()
                                      .replace("87.8", "104.2"));
        const auto argumentsFor = [&](const QString& file) {
            QStringList arguments = c.arguments;
            arguments.replaceInStrings(QRegularExpression("^FILE$"), file);
            return arguments.replaceInStrings(QRegularExpression("^DOC$"), document);
        };
        const QString copy = alone.put("settings.dat", validPlayerBytes());
        const Result expected = alone.run(argumentsFor(copy));
        const Result got = beside([&] { return command.run(argumentsFor(player)); });

        if (c.contrastEdit && !c.written) {
            EXPECT_EQ(got.code, 2) << c.what;
            EXPECT_TRUE(got.err.contains("contrast")) << got.err.toStdString();
        } else {
            EXPECT_EQ(got.code, expected.code) << c.what;
            EXPECT_EQ(got.out, QString(expected.out).replace(copy, player)) << c.what;
            EXPECT_EQ(got.err, QString(expected.err).replace(copy, player)) << c.what;
        }
        const bool changed = c.written;
        EXPECT_EQ(readFile(player), changed ? contents(copy) : validPlayerBytes()) << c.what;
        // The window shows the new values, and keeps its own edit on top.
        QByteArray shown = changed ? contents(copy) : shownBefore;
        if (changed && c.contrastEdit) {
            shown[693] = shownBefore[693];
        }
        EXPECT_EQ(window->image().fileBytes(), shown) << c.what;
        EXPECT_EQ(window->Label10->text().contains("ostrelctl"), changed) << c.what;
        EXPECT_EQ(window->Label10->text().contains(kUnsavedWarning), c.contrastEdit != 0)
            << window->Label10->text().toStdString();
        EXPECT_EQ(window->image().fileBytes() != readFile(player), c.contrastEdit != 0) << c.what;
    }
}
