#pragma once

#include "app/Form1.h"
#include "app/Seams.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QPalette>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

struct FakeVolumes : VolumeList {
    QStringList list;
    QMap<QString, PlayerIdentity> players; // by root; else the folder's path
    QStringList roots() const override { return list; }
    PlayerIdentity player(const QString& root) const override {
        return players.value(QDir::cleanPath(root), VolumeList::player(root));
    }
};

// Messages and questions as the user would have seen them, in order;
// questions get `answer` (a choice: the first answer for yes, else the
// default, unless `choice` says), after `whileOpen` (what happens while a
// message or question is open).
struct RecordedMessages : MessageBoxes {
    QStringList shown;
    QStringList asked;
    bool answer = false;
    std::optional<int> choice;
    std::function<void()> whileOpen;
    int closed = 0; // messages closed by the program
    void show(const QString& text) override {
        shown.append(text);
        opened();
    }
    bool ask(const QString& question) override {
        asked.append(question);
        opened();
        return answer;
    }
    int choose(const QString& question, const QStringList&, int defaultAnswer) override {
        const bool yes = ask(question);
        return choice.value_or(yes ? 0 : defaultAnswer);
    }
    void closeMessage() override { ++closed; }

private:
    void opened() {
        if (whileOpen) {
            std::exchange(whileOpen, nullptr)();
        }
    }
};

// A computer in a temporary folder: volumes that may hold a player, and the
// program's own folder. No real drive or dialog is touched.
class TestRig {
public:
    TestRig();

    // A volume whose root holds `bytes` as `fileName`; appended to the volume list.
    QString addPlayer(const QByteArray& bytes, const QString& fileName = "settings.dat");
    // A volume without a settings file at its root.
    QString addVolume();
    // Puts a file beside the program.
    void putBesideProgram(const QString& name, const QByteArray& bytes);

    QString root() const { return dir_.path(); }
    QString programFolder;
    QString dataFolder; // the user's data folder, not made until a backup needs it
    QString lockFolder; // the user's runtime folder
    QList<LockFolders::Other> otherLocks; // other users' (root's look)
    bool rootsRights = false;             // the window runs as root, or through sudo
    QPalette palette;                     // the desktop's colours
    std::optional<QDBusConnection> bus;   // the session bus; none by default
    FakeVolumes volumes;
    RecordedMessages messages;
    MountEvents mounts; // emit changed() as the system does when a disk comes or goes

    // Builds the window and runs start-up; null when start-up ended the program.
    std::unique_ptr<Form1> start();
    // The same, then shows the window (offscreen) as the program does.
    std::unique_ptr<Form1> startShown();

private:
    QTemporaryDir dir_;
    int volumeCount_ = 0;
};

// The file content of a valid player at factory settings.
QByteArray validPlayerBytes();

// What every edit leaves on the status line until the player has it.
inline const QString kUnsavedWarning =
    QStringLiteral("attention votre modification n'est pas enregistée dans l'ostrel");

// The window started and shown on one player holding `bytes`; `prepare` may
// set up the computer (a station list beside the program...) before start-up.
struct PlayerWindow {
    explicit PlayerWindow(const QByteArray& bytes = validPlayerBytes(),
                          const std::function<void(TestRig&)>& prepare = {});
    TestRig rig;
    std::unique_ptr<Form1> window;

    int byte(int offset) const;
    QByteArray bytes(int offset, int count) const;
};

QByteArray readFile(const QString& path);
// No write permission left for anyone: how the player's file stays read-only.
bool isReadOnly(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

class QRadioButton;
// Clicks an option button on its round indicator, as a user does.
void clickOption(QRadioButton* button);

// A double click as the system delivers it: press, release, double click, release.
void doubleClick(QWidget* widget, QPoint at);
