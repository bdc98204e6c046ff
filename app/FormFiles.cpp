// The window's file buttons and its load: the settings file into the image
// and the controls, the image to the player, the backup beside the program.
#include "Form1.h"

#include "OptionGroup.h"
#include "StatusLine.h"
#include "options/HomeOptions.h"
#include "player/History.h"
#include "radio/FmPage.h"
#include "settings/Backup.h"
#include "settings/Fields.h"
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

std::optional<FileContents> Form1::replaceablePlayerFile() {
    // The file read again just before it is written: another player in the
    // same place, or another program, may have changed it since.
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
    if (onPlayer_ && now.identity == onPlayer_->identity && now.bytes == onPlayer_->bytes) {
        return now;
    }
    const QString question =
        onPlayer_ && now.identity == onPlayer_->identity
            ? tr("Les réglages de l'ostrel ont changé depuis que cette fenêtre les a lus (un "
                 "autre programme les a-t-il écrits ?).\n\nRemplacer les réglages qui sont sur "
                 "l'ostrel maintenant par ceux de la fenêtre ?")
            : tr("Le fichier settings.dat de l'ostrel n'est plus celui que cette fenêtre a lu "
                 "(un autre ostrel est-il branché à sa place ?).\n\nRemplacer les réglages qui "
                 "sont sur l'ostrel maintenant par ceux de la fenêtre ?");
    if (!seams_.messages.ask(question)) {
        return std::nullopt;
    }
    return now;
}

bool Form1::keptInHistory(const FileContents& onPlayer) {
    if (!onPlayer.ok()) {
        return true; // nothing to keep: the write says what is wrong
    }
    const QString problem = History(joinPath(seams_.dataFolder, QStringLiteral("history")))
                                .keep(playerId_, onPlayer.bytes);
    if (problem.isEmpty()) {
        return true;
    }
    return seams_.messages.ask(
        tr("Les réglages qui sont sur l'ostrel n'ont pas pu être gardés dans l'historique "
           "avant d'être remplacés (%1) : cette écriture ne pourra pas être défaite.\n\n"
           "Écrire quand même sur l'ostrel ?")
            .arg(problem));
}

void Form1::enreg_ostrel_Click() {
    // Always to the player, even when the image came from the backup.
    SettingsPath = DeviceSettingsPath;
    // What it replaces is kept in the history first, so that it can be undone.
    const std::optional<FileContents> onPlayer = replaceablePlayerFile();
    if (!onPlayer || !lockIsOnPlayerFile(*onPlayer) || !keptInHistory(*onPlayer)) {
        // The success of an earlier write must not stay on the status line.
        Label10->warnUnsaved();
        return;
    }
    const QByteArray bytes = SettingsImage_.fileBytes();
    const WriteOutcome outcome = writePlayerFile(DeviceSettingsPath, bytes);
    if (!outcome.written) {
        Label10->warnUnsaved();
        seams_.messages.show(outcome.problem);
        return;
    }
    // The file just read again is the one written.
    const FileIdentity written = onPlayer->ok()
                                     ? onPlayer->identity
                                     : fileIdentity(DeviceSettingsPath).value_or(FileIdentity{});
    onPlayer_ = FileContents{bytes, written, ReadFailure::None};
    Label10->setText(tr(" vos modifications on été effectués sur l'ostrel"));
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
