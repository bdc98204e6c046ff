#pragma once

#include "app/Form1.h"
#include "app/Seams.h"
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QPalette>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

struct FakeVolumes : VolumeList {
    QStringList list;
    QStringList roots() const override { return list; }
};

// Messages and questions as the user would have seen them, in order;
// questions get `answer`, after `whileAsked` (what happens while one is open).
struct RecordedMessages : MessageBoxes {
    QStringList shown;
    QStringList asked;
    bool answer = false;
    std::function<void()> whileAsked;
    void show(const QString& text) override { shown.append(text); }
    bool ask(const QString& question) override {
        asked.append(question);
        if (whileAsked) {
            std::exchange(whileAsked, nullptr)();
        }
        return answer;
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
    QPalette palette;   // the desktop's colours
    FakeVolumes volumes;
    RecordedMessages messages;

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
