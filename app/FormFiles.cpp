// The window's file buttons and its load: the settings file into the image
// and the controls, the image to the player, the backup beside the program.
#include "Form1.h"

#include "HistoryDialog.h"
#include "OptionGroup.h"
#include "StatusLine.h"
#include "options/HomeOptions.h"
#include "radio/FmPage.h"
#include "settings/Backup.h"
#include "settings/Fields.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsProbe.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

#include <QFileInfo>
#include <QPushButton>

void Form1::fin_init() {
    // The whole file is read before anything changes: a file that cannot be
    // read leaves the image and the window as they were. Whether the file is
    // understood is decided on its bytes, before showing them patches the image.
    // The player's through its session, which compares the next write with it.
    const FileContents file =
        SettingsPath == DeviceSettingsPath ? session_.read() : readSettingsContents(SettingsPath);
    if (!file.ok()) {
        disableWriting();
        seams_.messages.show(translated(kUnreadableMessage));
        return;
    }
    showSettings(file.bytes);
    Label10->setText(tr("fichier bien chargé"));
}

void Form1::showSettings(const QByteArray& bytes) {
    SettingsImage_.load(bytes);
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
}

PlayerQuestions::Changed Form1::changed(bool sameFile, const FileContents& now) {
    const QString why =
        sameFile ? tr("Les réglages de l'ostrel ont changé depuis que cette fenêtre les a lus "
                      "(l'ostrel lui-même, ou un autre programme, les a-t-il écrits ?).")
                 : tr("Le fichier settings.dat de l'ostrel n'est plus celui que cette fenêtre a "
                      "lu (un autre ostrel est-il branché à sa place ?).");
    static constexpr Changed kAnswers[] = {Changed::Write, Changed::Load, Changed::Nothing};
    return kAnswers[seams_.messages.choose(
        why + QStringLiteral("\n\n") + differencesWith(now),
        {tr("Écrire ceux de la fenêtre"), tr("Charger ceux de l'ostrel"), tr("Ne rien faire")}, 2)];
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

bool Form1::writeUnkept(const QString& problem) {
    return seams_.messages.ask(
        tr("Les réglages qui sont sur l'ostrel n'ont pas pu être gardés dans l'historique "
           "avant d'être remplacés (%1) : cette écriture ne pourra pas être défaite.\n\n"
           "Écrire quand même sur l'ostrel ?")
            .arg(problem));
}

void Form1::tell(const QString& text) {
    seams_.messages.show(text);
}

bool Form1::writeToPlayer(const QByteArray& bytes, PlayerWrite mode) {
    // Always to the player, even when the image came from the backup; an
    // unplugged one is said to be so, and nothing else changes.
    const bool unplugged = session_.unplugged();
    if (!unplugged) {
        SettingsPath = DeviceSettingsPath;
    }
    const PlayerSession::Written written = session_.write(bytes, *this, mode);
    if (written.outcome == PlayerSession::Written::Load) {
        Command1_Click(); // as "lire ostrel"
    } else if (written.outcome == PlayerSession::Written::No && !unplugged) {
        // The success of an earlier write must not stay on the status line.
        Label10->warnUnsaved();
    }
    return written.outcome == PlayerSession::Written::Yes;
}

void Form1::enreg_ostrel_Click() {
    if (writeToPlayer(SettingsImage_.fileBytes())) {
        Label10->setText(tr(" vos modifications on été effectués sur l'ostrel"));
    }
}

void Form1::historique_Click() {
    auto* dialog = new HistoryDialog(session_.history().entries(session_.player()), SettingsImage_,
                                     seams_.palette, this);
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
    const PlayerIdentity& player = session_.player();
    // One player's settings are not put on another unasked: players of one
    // model may share a label and a volume serial. A damaged player's file
    // is replaced whole, once kept as it is.
    const std::optional<QStringList> damage = session_.damage();
    const QString question =
        (entry.player.samePlayer(player)
             ? tr("Remettre sur l'ostrel les réglages gardés le %1 ?\n\nCeux de la fenêtre et "
                  "de l'ostrel seront remplacés ; ce qui est sur l'ostrel sera d'abord gardé "
                  "dans l'historique.")
                   .arg(kept)
             : tr("Les réglages gardés le %1 viennent d'un autre ostrel (%2) que celui-ci "
                  "(%3).\n\nLes remettre quand même sur cet ostrel ?")
                   .arg(kept, entry.player.shown(), player.shown())) +
        (damage ? QStringLiteral("\n\n") +
                      tr("Le fichier settings.dat de l'ostrel est endommagé (%1) : il sera "
                         "remplacé en entier.")
                          .arg(damage->join(QStringLiteral(", ")))
                : QString());
    if (!entry.restorable() || !seams_.messages.ask(question) ||
        !writeToPlayer(entry.bytes, damage ? PlayerWrite::WholeFile : PlayerWrite::OverTheStart)) {
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
