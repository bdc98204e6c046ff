// Writing the image back to the player, and the backup beside the program.
#include "app/Form1.h"

#include "app/StatusLine.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsProbe.h"

#include <QPushButton>

void Form1::enreg_ostrel_Click() {
    // Always to the player, even when the image came from the backup.
    SettingsPath = DeviceSettingsPath;
    const WriteOutcome outcome = writePlayerFile(DeviceSettingsPath, SettingsImage_.fileBytes());
    if (!outcome.written) {
        // The success of an earlier write must not stay under the failure.
        Label10->warnUnsaved();
        seams_.messages.show(outcome.problem);
        return;
    }
    Label10->setText(QStringLiteral(" vos modifications on été effectués sur l'ostrel"));
}

QString Form1::backupPath() const {
    const QString name = settingsFileIn(seams_.programFolder).value_or(kSettingsFileName);
    return joinPath(seams_.programFolder, name);
}

void Form1::Command8_Click() {
    const QString saved = QStringLiteral("fichier sauvegardé");
    const QString path = backupPath();
    // Run from the player's root, the backup would be the player's own file.
    const WriteOutcome outcome =
        isSameFile(path, DeviceSettingsPath)
            ? WriteOutcome{false,
                           QStringLiteral("La sauvegarde ne peut pas être le fichier de l'ostrel "
                                          "lui-même : le programme est lancé depuis l'ostrel. "
                                          "Copiez-le sur votre ordinateur pour sauvegarder.")}
            : saveBackupFile(path, SettingsImage_.fileBytes());
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
    SettingsPath = backupPath();
    fin_init();
}
