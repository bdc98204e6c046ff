#include "Commands.h"

#include "player/Volumes.h"

#include <QFileInfo>

std::optional<QString> Command::fileOrPlayer(const QString& given) const {
    if (!given.isEmpty()) {
        return given;
    }
    const SystemVolumes volumes(invocation.volumes, seams.mountTable);
    if (const std::optional<PlayerFile> player = findPlayerFile(volumes)) {
        return player->path();
    }
    err << CliText::tr("aucun ostrel trouvé : aucun volume ne porte settings.dat à sa racine "
                       "(branchez l'ostrel, ou nommez le fichier)")
        << '\n';
    for (const QString& root : volumes.unnamedRoots()) {
        err << "  "
            << CliText::tr("%1 n'est pas examiné : le nom de son dossier n'est pas de l'UTF-8 "
                           "valide")
                   .arg(root)
            << '\n';
    }
    return std::nullopt;
}

PlayerIdentity Command::playerOf(const QString& file) const {
    return SystemVolumes(invocation.volumes, seams.mountTable)
        .player(QFileInfo(file).absolutePath());
}

void Command::sayUnread(const QString& path, ReadFailure failure) const {
    err << CliText::tr("%1 : %2").arg(path, readFailureText(failure)) << '\n';
}

void Command::printChanges(const QList<SettingChange>& changes) const {
    for (const SettingChange& change : changes) {
        out << CliText::tr("%1 : %2 -> %3").arg(change.name, change.before, change.after) << '\n';
    }
}

std::optional<FileCheck> Command::checked(const QString& path) const {
    return checked(path, readSettingsContents(path));
}

std::optional<FileCheck> Command::checked(const QString& path, const FileContents& contents) const {
    FileCheck check = checkSettingsContents(contents, path);
    // A file too large to be a settings file is read enough to say so, in the
    // window's words; any other that was not read is not one at all.
    if (!check.image && check.failure != ReadFailure::TooLarge) {
        sayUnread(path, check.failure);
        return std::nullopt;
    }
    return check;
}

void Command::sayOtherBytes(qsizetype count, bool afterSettings) const {
    if (count == 0) {
        return;
    }
    if (afterSettings) {
        out << (count == 1 ? CliText::tr("1 autre octet diffère")
                           : CliText::tr("%1 autres octets diffèrent").arg(count));
    } else {
        out << (count == 1 ? CliText::tr("1 octet diffère, hors des réglages")
                           : CliText::tr("%1 octets diffèrent, hors des réglages").arg(count));
    }
    out << '\n';
}

QList<int> otherDifferingOffsets(const QByteArray& first, const QByteArray& second,
                                 const QList<SettingChange>& changes) {
    const qsizetype size = std::max(first.size(), second.size());
    std::vector<bool> differs(static_cast<std::size_t>(size));
    for (int offset = 0; offset < size; ++offset) {
        differs[static_cast<std::size_t>(offset)] = offset >= first.size() ||
                                                    offset >= second.size() ||
                                                    first.at(offset) != second.at(offset);
    }
    // The bytes of the settings named are not counted again.
    for (const SettingChange& change : changes) {
        for (const int offset : settingOffsets(*namedSetting(change.name))) {
            if (offset < size) {
                differs[static_cast<std::size_t>(offset)] = false;
            }
        }
    }
    QList<int> others;
    for (int offset = 0; offset < size; ++offset) {
        if (differs[static_cast<std::size_t>(offset)]) {
            others.append(offset);
        }
    }
    return others;
}
