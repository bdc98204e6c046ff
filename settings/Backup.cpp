#include "Backup.h"

#include "SettingsProbe.h"

#include <QDir>

QString backupPathIn(const QString& folder) {
    return joinPath(folder, settingsFileIn(folder).value_or(kSettingsFileName));
}

WriteOutcome saveBackup(const QString& folder, const QByteArray& bytes, const QString& playerFile) {
    const QString path = backupPathIn(folder);
    if (isSameFile(path, playerFile)) {
        return {false, QStringLiteral("La sauvegarde ne peut pas être le fichier de l'ostrel "
                                      "lui-même : le programme est lancé depuis l'ostrel. "
                                      "Copiez-le sur votre ordinateur pour sauvegarder.")};
    }
    // The user's data folder is made when the first backup goes there.
    QDir().mkpath(folder);
    return saveBackupFile(path, bytes);
}
