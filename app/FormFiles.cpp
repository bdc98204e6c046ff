// The window's file buttons and its load: the settings file into the image
// and the controls, the image to the player, the backup beside the program.
#include "Form1.h"

#include "HistoryDialog.h"
#include "OptionGroup.h"
#include "StatusLine.h"
#include "options/HomeOptions.h"
#include "player/History.h"
#include "radio/FmPage.h"
#include "settings/Backup.h"
#include "settings/Fields.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QFileInfo>
#include <QPushButton>

void Form1::fin_init() {
    // The whole file is read before anything changes: a file that cannot be
    // read leaves the image and the window as they were. Whether the file is
    // understood is decided on its bytes, before showing them patches the image.
    const FileContents file = readSettingsContents(SettingsPath);
    if (!file.ok()) {
        disableWriting();
        seams_.messages.show(translated(kUnreadableMessage));
        return;
    }
    if (SettingsPath == DeviceSettingsPath) {
        onPlayer_ = file;
    }
    SettingsImage_.load(file.bytes);
    const SettingsImage loaded = SettingsImage_;
    const LoadCheck check = checkLoadedImage(loaded);

    egaliseur->fillFactoryDefaults();
    Freq_FM->showPresets();

    // Every index out of range is reported, in this order, and the load goes on.
    for (const IndexFieldInfo& field : kIndexFields) {
        OptionGroup* group = optionGroups_[static_cast<std::size_t>(field.id)];
        if (check.inRange(field.id)) {
            group->select(loaded.byte(field.offset));
        } else {
            group->select(0);
            seams_.messages.show(translated(field.outOfRangeMessage));
            disableWriting();
        }
    }
    home->showContrast();
    if (!check.contrastUnderstood) {
        seams_.messages.show(translated(levelInfo(LevelField::Contrast).outOfRangeMessage));
        disableWriting();
    }
    srs->showLevels();
    if (!check.srsLevelsUnderstood()) {
        disableWriting();
    }
    egaliseur->Combo1_Click();
    egaliseur->maj_fen_aa();
    home->showContrastValue();
    Label10->setText(tr("fichier bien chargé"));
}

std::optional<FileContents> Form1::replaceablePlayerFile(bool& loaded) {
    // The file read again just before it is written: another player in the
    // same place, another program, or the player itself may have changed it
    // since. What the user knows to be there is what the window last read or
    // wrote, or what a question has just shown; after each question the file
    // is read once more, under its lock, and asked about again when it
    // changed meanwhile.
    std::optional<FileContents> known = onPlayer_;
    for (;;) {
        const FileContents now = readSettingsContents(DeviceSettingsPath);
        const bool unreadable =
            now.failure != ReadFailure::None && now.failure != ReadFailure::TooLarge;
        if (unreadable) {
            return now; // the write says what is wrong with it
        }
        const qint64 size = now.ok() ? now.bytes.size() : QFileInfo(DeviceSettingsPath).size();
        if (const QStringList sizeWarnings = sizeMessages(size); !sizeWarnings.isEmpty()) {
            for (const QString& warning : sizeWarnings) {
                seams_.messages.show(warning);
            }
            return std::nullopt;
        }
        if (known && now.identity == known->identity && now.bytes == known->bytes) {
            return now;
        }
        const QString why =
            known && now.identity == known->identity
                ? tr("Les réglages de l'ostrel ont changé depuis que cette fenêtre les a lus "
                     "(l'ostrel lui-même, ou un autre programme, les a-t-il écrits ?).")
                : tr("Le fichier settings.dat de l'ostrel n'est plus celui que cette fenêtre a "
                     "lu (un autre ostrel est-il branché à sa place ?).");
        enum Answer { Write, Load, Nothing };
        const int answer = seams_.messages.choose(
            why + QStringLiteral("\n\n") + differencesWith(now),
            {tr("Écrire ceux de la fenêtre"), tr("Charger ceux de l'ostrel"), tr("Ne rien faire")},
            Nothing);
        if (answer == Nothing || !lockIsOnPlayerFile(now)) {
            return std::nullopt;
        }
        if (answer == Load) {
            Command1_Click(); // as "lire ostrel"
            loaded = true;
            return std::nullopt;
        }
        known = now;
    }
}

QString Form1::differencesWith(const FileContents& onPlayer) const {
    SettingsImage there;
    there.load(onPlayer.bytes);
    QStringList changes =
        captionedChanges(there, SettingsImage_, tr("%1 : %2 sur l'ostrel, %3 dans la fenêtre"));
    if (changes.isEmpty()) {
        return tr("Les réglages de l'ostrel sont les mêmes que ceux de la fenêtre.");
    }
    constexpr qsizetype kShown = 12;
    if (changes.size() > kShown) {
        const qsizetype more = changes.size() - kShown + 1;
        changes.resize(kShown - 1);
        changes.append(tr("... et %1 autres réglages").arg(more));
    }
    return tr("Les réglages qui diffèrent :") + QStringLiteral("\n") + changes.join(u'\n');
}

bool Form1::keptInHistory(const FileContents& onPlayer) {
    if (!onPlayer.ok()) {
        return true; // nothing to keep: the write says what is wrong
    }
    const QString problem = history().keep(player_, onPlayer.bytes);
    if (problem.isEmpty()) {
        return true;
    }
    return seams_.messages.ask(
        tr("Les réglages qui sont sur l'ostrel n'ont pas pu être gardés dans l'historique "
           "avant d'être remplacés (%1) : cette écriture ne pourra pas être défaite.\n\n"
           "Écrire quand même sur l'ostrel ?")
            .arg(problem));
}

History Form1::history() const {
    return History(historyFolderIn(seams_.user.data));
}

bool Form1::writeToPlayer(const QByteArray& bytes) {
    if (unplugged_) {
        seams_.messages.show(tr("L'ostrel n'est plus branché : rien n'a été écrit. "
                                "Rebranchez-le ; vos modifications restent dans la fenêtre."));
        return false;
    }
    // Always to the player, even when the image came from the backup.
    SettingsPath = DeviceSettingsPath;
    // What it replaces is kept in the history first, so that it can be
    // undone; a write refused before the player is touched keeps nothing.
    bool loaded = false;
    const std::optional<FileContents> onPlayer = replaceablePlayerFile(loaded);
    std::optional<WriteOutcome> refusal;
    if (onPlayer && onPlayer->ok()) {
        refusal = playerFileRefusal(DeviceSettingsPath);
    }
    if (!onPlayer || (!refusal && !keptInHistory(*onPlayer))) {
        // The success of an earlier write must not stay on the status line.
        if (!loaded) {
            Label10->warnUnsaved();
        }
        return false;
    }
    const WriteOutcome outcome = refusal ? *refusal : writePlayerFile(DeviceSettingsPath, bytes);
    if (!outcome.written) {
        Label10->warnUnsaved();
        seams_.messages.show(outcome.problem);
        return false;
    }
    // The file just read again is the one written.
    const FileIdentity written = onPlayer->ok()
                                     ? onPlayer->identity
                                     : fileIdentity(DeviceSettingsPath).value_or(FileIdentity{});
    onPlayer_ = FileContents{bytes, written, ReadFailure::None};
    return true;
}

void Form1::enreg_ostrel_Click() {
    if (writeToPlayer(SettingsImage_.fileBytes())) {
        Label10->setText(tr(" vos modifications on été effectués sur l'ostrel"));
    }
}

void Form1::historique_Click() {
    auto* dialog =
        new HistoryDialog(history().entries(player_), SettingsImage_, seams_.palette, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &HistoryDialog::restoreRequested, this,
            [this, dialog](const HistoryEntry& entry) {
                if (restoreEntry(entry)) {
                    dialog->close();
                }
            });
    dialog->open();
}

bool Form1::restoreEntry(const HistoryEntry& entry) {
    const QString kept = HistoryDialog::keptText(entry);
    // One player's settings are not put on another unasked: players of one
    // model may share a label and a volume serial.
    const QString question =
        entry.player.samePlayer(player_)
            ? tr("Remettre sur l'ostrel les réglages gardés le %1 ?\n\nCeux de la fenêtre et "
                 "de l'ostrel seront remplacés ; ce qui est sur l'ostrel sera d'abord gardé "
                 "dans l'historique.")
                  .arg(kept)
            : tr("Les réglages gardés le %1 viennent d'un autre ostrel (%2) que celui-ci "
                 "(%3).\n\nLes remettre quand même sur cet ostrel ?")
                  .arg(kept, entry.player.shown(), player_.shown());
    if (!entry.restorable() || !seams_.messages.ask(question) || !writeToPlayer(entry.bytes)) {
        return false;
    }
    // The window shows what is now on the player.
    fin_init();
    Label10->setText(tr("réglages du %1 remis sur l'ostrel").arg(kept));
    return true;
}

void Form1::Command8_Click() {
    const QString saved = tr("fichier sauvegardé");
    const WriteOutcome outcome =
        saveBackup(BackupFolder, SettingsImage_.fileBytes(), DeviceSettingsPath);
    if (!outcome.written) {
        // An earlier save's success must not stay under the failure; any
        // other text (such as the unsaved warning) still holds.
        if (Label10->text() == saved) {
            Label10->clear();
        }
        seams_.messages.show(outcome.problem);
        return;
    }
    Label10->setText(saved);
    Command2->setEnabled(true);
}

void Form1::Command2_Click() {
    SettingsPath = backupPathIn(BackupFolder);
    fin_init();
}
