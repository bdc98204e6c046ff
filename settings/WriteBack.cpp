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
    const WriteOutcome outcome = saveBackupFile(backupPath(), SettingsImage_.fileBytes());
    if (!outcome.written) {
        seams_.messages.show(outcome.problem);
        return;
    }
    Label10->setText(QStringLiteral("fichier sauvegardé"));
    Command2->setEnabled(true);
}

void Form1::Command2_Click() {
    SettingsPath = backupPath();
    fin_init();
}
