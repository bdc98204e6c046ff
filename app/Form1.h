#pragma once

#include "Seams.h"
#include "player/DesktopBus.h"
#include "player/PlayerSession.h"
#include "settings/FieldLayout.h"
#include "settings/RegularFile.h"
#include "settings/SettingsImage.h"

#include <QWidget>

#include <array>
#include <memory>

class EqualizerPage;
class FocusRing;
class FmPage;
class HomeOptions;
class OptionGroup;
class OptionsPage;
class PathLabel;
class QLabel;
class QPushButton;
class SrsPage;
class StatusLine;

// The program's one window: two rows of buttons, the status line, five pages
// in one place and the help strip. It owns the settings image and composes
// the pages that edit it; the player's life is its session's, whose
// questions it answers with its dialogs. On the session bus, it comes
// forward when launched again, and writes what ostrelctl hands it.
class Form1 : public QWidget, private PlayerQuestions, private WindowHost {
    Q_OBJECT
public:
    static const char* const kCaption; // the window title, before translation

    explicit Form1(const Seams& seams);
    ~Form1() override;

    // Start-up: finds the player and loads it. False when there is no player,
    // or when another window holds it (brought forward instead): the program
    // then ends without showing the window.
    bool Form_Load();

    // Button rows.
    QPushButton* Command5;  // "Général"
    QPushButton* Command6;  // "Fréquences FM"
    QPushButton* Command3;  // "Paramètres"
    QPushButton* show_egal; // "Egaliseur"
    QPushButton* Command9;  // "WOW-SRS-3D"
    QPushButton* Command1;  // "lire ostrel"
    QPushButton* enreg_ostrel;
    QPushButton* Command2; // "Lire sauvegarde"
    QPushButton* Command8; // "Sauvegarde "
    QPushButton* fin;
    QPushButton* historique; // the player's history, on the home page

    StatusLine* Label10;
    QLabel* Label13; // help strip

    // Home page.
    QLabel* Label14;
    QLabel* Label18;
    QLabel* Label12;
    PathLabel* Label11; // the player's folder
    HomeOptions* home;

    // Panel pages.
    OptionsPage* parametre;
    EqualizerPage* egaliseur;
    FmPage* Freq_FM;
    SrsPage* srs;

    const SettingsImage& image() const { return SettingsImage_; }
    const QString& deviceSettingsPath() const { return DeviceSettingsPath; }
    const QString& settingsPath() const { return SettingsPath; }
    const QString& stationListPath() const { return StationListPath; }

    // Page buttons.
    void Command5_Click();
    void Command6_Click();
    void Command3_Click();
    void show_egal_Click();
    void Command9_Click();

    void fin_Click();
    void Command1_Click(); // "lire ostrel"

    // Reads the file SettingsPath names into the image and shows every setting.
    void fin_init();
    // Another program's write to the player, shown with the unsaved edits kept.
    OutsideWritten writeFromOutside(const OutsideWrite& write) override;

    void enreg_ostrel_Click(); // "Ecrire ostrel": the image goes to the player
    void Command8_Click();     // "Sauvegarde ": the image goes to the backup
    void Command2_Click();     // "Lire sauvegarde": the backup is loaded
    void historique_Click();   // the history of the player's file, to put an entry back
    // Puts a kept file back on the player as "Ecrire ostrel" writes, once the
    // user says so, and shows it; false when it was not written.
    bool restoreEntry(const HistoryEntry& entry);

protected:
    void mouseMoveEvent(QMouseEvent* event) override; // Form_MouseMove

private:
    void buildButtonRows();
    void buildHomePage();
    void wireHoverHelp();
    void setKeyboardOrder();
    void showPages(bool options, bool equalizer, bool fm, bool sound, bool home);
    void centreOnScreen();
    void disableWriting();
    std::optional<PlayerFile> waitForPlayer();
    void watchThePlayer();
    void mountsChanged();
    QString differencesWith(const FileContents& onPlayer) const;
    bool writeToPlayer(const QByteArray& bytes, PlayerWrite mode = PlayerWrite::OverTheStart);

    // What the player's session asks, answered with the window's dialogs.
    void tell(const QString& text) override;
    bool goOn(LockOutcome outcome, const QString& otherHolder, const QString& problem) override;
    Changed changed(bool sameFile, const FileContents& now) override;
    bool writeUnkept(const QString& problem) override;

    // What the session bus asks.
    bool holds(const QString& path) const override;
    void comeForward(const QString& activationToken) override;
    void showSettings(const QByteArray& bytes); // the image, shown in every control

    Seams seams_;
    SettingsImage SettingsImage_;
    // The option group of each index field, in the order of IndexField.
    std::array<OptionGroup*, kIndexFields.size()> optionGroups_{};
    QString DeviceSettingsPath;
    QString SettingsPath;
    QString StationListPath;
    QString BackupFolder; // where "Sauvegarde " saves and "Lire sauvegarde" reads
    FocusRing* focusRing_ = nullptr;
    PlayerSession session_;        // the player, its lock, its history, its writes
    bool lockProblemSaid_ = false; // that no lock could be made is said once
    std::unique_ptr<WindowOnBus> onBus_;
};
