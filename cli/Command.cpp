#include "Commands.h"

#include "player/Volumes.h"

#include <QFile>
#include <QFileInfo>

std::optional<QString> Command::fileOrPlayer(const QString& given) const {
    if (!given.isEmpty()) {
        return given;
    }
    const SystemVolumes volumes(invocation.volumes, seams.mountTable);
    if (const std::optional<PlayerFile> player = findPlayerFile(volumes)) {
        return player->path();
    }
    err << "aucun ostrel trouvé : aucun volume ne porte settings.dat à sa racine "
           "(branchez l'ostrel, ou nommez le fichier)\n";
    return std::nullopt;
}

bool Command::opens(const QString& path) const {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        err << path << " : lecture impossible"
            << (file.exists() ? QString() : QStringLiteral(" (fichier absent)")) << '\n';
        return false;
    }
    return true;
}

void Command::printChanges(const QList<SettingChange>& changes) const {
    for (const SettingChange& change : changes) {
        out << change.name << " : " << change.before << " -> " << change.after << '\n';
    }
}

std::optional<FileCheck> Command::checked(const QString& path) const {
    FileCheck check = checkSettingsFile(path);
    // Only a file that was not read needs telling apart: one that cannot be
    // opened at all, or one too large to be a settings file.
    if (!check.image && !opens(path)) {
        return std::nullopt;
    }
    return check;
}
