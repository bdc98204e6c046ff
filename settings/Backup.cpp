#include "Backup.h"

#include "RegularFile.h"
#include "SettingsProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
struct BackupText {
    Q_DECLARE_TR_FUNCTIONS(Backup)
};
} // namespace

namespace {
bool sameFile(const std::optional<FileIdentity>& a, const std::optional<FileIdentity>& b) {
    return a && b && *a == *b;
}

// Why the backup may not be saved at `path`: the player's own file under
// another name. None when it is not.
std::optional<QString> playersOwnFile(const QString& folder, const QString& path,
                                      const QString& playerFile) {
    const std::optional<FileIdentity> player = fileIdentity(playerFile);
    if (sameFile(fileIdentity(folder), fileIdentity(QFileInfo(playerFile).absolutePath()))) {
        return BackupText::tr("La sauvegarde ne peut pas être le fichier de l'ostrel "
                              "lui-même : le programme est lancé depuis l'ostrel. "
                              "Copiez-le sur votre ordinateur pour sauvegarder.");
    }
    if (!sameFile(fileIdentity(path), player)) {
        return std::nullopt;
    }
    if (QFileInfo(path).isSymLink()) {
        return BackupText::tr("La sauvegarde n'est pas écrite : %1 est un lien vers le "
                              "fichier de l'ostrel. Supprimez ce lien pour sauvegarder.")
            .arg(path);
    }
    return BackupText::tr("La sauvegarde n'est pas écrite : %1 est un autre nom (un lien "
                          "physique) du fichier de l'ostrel. Supprimez ce nom pour "
                          "sauvegarder.")
        .arg(path);
}
} // namespace

QString backupPathIn(const QString& folder) {
    return joinPath(folder, settingsFileIn(folder).value_or(kSettingsFileName));
}

WriteOutcome saveBackup(const QString& folder, const QByteArray& bytes, const QString& playerFile) {
    const QString path = backupPathIn(folder);
    if (const std::optional<QString> refusal = playersOwnFile(folder, path, playerFile)) {
        return {false, *refusal};
    }
    // The user's data folder is made when the first backup goes there.
    if (!QDir().mkpath(folder)) {
        return {false,
                BackupText::tr("La sauvegarde n'a pas pu être écrite : le dossier %1 n'existe "
                               "pas et ne peut pas être créé. Aucun fichier n'a été créé.")
                    .arg(folder)};
    }
    return saveBackupFile(path, bytes);
}
