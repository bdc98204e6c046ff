// The history of a player's file: what each write replaced, listed, shown,
// and put back.

#include "Commands.h"

#include "player/History.h"
#include "settings/LoadCheck.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"

#include <QStringList>

namespace {
SettingsImage imageOf(const QByteArray& bytes) {
    SettingsImage image;
    image.load(bytes);
    return image;
}

// What an entry differs in from the file that replaced it: the next newer
// entry, or for the newest the file on the player now (when it can be read).
QString differences(const HistoryEntry& entry, const std::optional<QByteArray>& replacement) {
    if (entry.damage != HistoryEntry::Damage::None) {
        return entry.damageText();
    }
    if (!replacement || replacement->size() != entry.bytes.size()) {
        return QString(); // what replaced it is not known here
    }
    const QList<SettingChange> changes =
        settingChanges(imageOf(entry.bytes), imageOf(*replacement));
    QStringList names;
    for (const SettingChange& change : changes) {
        names.append(change.name);
    }
    const qsizetype others = otherDifferingOffsets(entry.bytes, *replacement, changes).size();
    if (others > 0) {
        names.append(others == 1 ? CliText::tr("1 octet hors des réglages")
                                 : CliText::tr("%1 octets hors des réglages").arg(others));
    }
    return names.isEmpty() ? CliText::tr("(identique)") : names.join(QStringLiteral(", "));
}

void list(const Command& command, const QList<HistoryEntry>& entries,
          const std::optional<QByteArray>& onPlayer) {
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const HistoryEntry& entry = entries[k];
        const std::optional<QByteArray> replacement =
            k == 0 ? onPlayer
                   : (entries[k - 1].damage == HistoryEntry::Damage::None
                          ? std::optional<QByteArray>(entries[k - 1].bytes)
                          : std::nullopt);
        command.out << QStringLiteral("%1  %2  %3")
                           .arg(k + 1, 3)
                           .arg(entry.kept.isValid() ? entry.kept.toLocalTime().toString(
                                                           QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                                     : CliText::tr("(date inconnue)"),
                                differences(entry, replacement))
                    << '\n';
    }
}

// Entry N (from 1, newest first) of the player's history; none, the reason
// on the errors, when there is no such entry or it cannot be put back.
std::optional<SettingsImage> entryImage(const Command& command, const QString& number,
                                        const QString& path) {
    bool isNumber = false;
    const int n = number.toInt(&isNumber);
    const QList<HistoryEntry> entries =
        History(command.seams.historyFolder).entries(command.playerIdOf(path));
    if (!isNumber || n < 1 || n > entries.size()) {
        command.err << CliText::tr("%1 : pas d'entrée de ce numéro ; l'historique de %2 en a %3 "
                                   "(ostrelctl history les donne)")
                           .arg(number, path)
                           .arg(entries.size())
                    << '\n';
        return std::nullopt;
    }
    const HistoryEntry& entry = entries[n - 1];
    if (entry.damage != HistoryEntry::Damage::None) {
        command.err << CliText::tr("l'entrée %1 (%2) est %3 ; elle n'est pas reprise")
                           .arg(n)
                           .arg(entry.file, entry.damageText())
                    << '\n';
        return std::nullopt;
    }
    return imageOf(entry.bytes);
}
} // namespace

int historyCommand(const Command& command) {
    const QStringList& operands = command.invocation.operands;
    const bool oneEntry = command.invocation.showEntry || command.invocation.exportEntry;
    if (operands.size() != (oneEntry ? 1 : 0) ||
        (command.invocation.showEntry && command.invocation.exportEntry) ||
        (oneEntry && command.invocation.all)) {
        command.err << CliText::tr("usage : ostrelctl history [--all] | history --show N | "
                                   "history --export N")
                    << '\n';
        return kTrouble;
    }
    const History history(command.seams.historyFolder);
    if (command.invocation.all) {
        for (const QList<HistoryEntry>& entries : history.everyPlayer()) {
            const auto named = std::find_if(entries.begin(), entries.end(), [](const auto& e) {
                return e.damage != HistoryEntry::Damage::UnknownPlayer;
            });
            command.out << CliText::tr("%1 :").arg(named != entries.end()
                                                       ? named->player
                                                       : CliText::tr("ostrel inconnu"))
                        << '\n';
            list(command, entries, std::nullopt);
        }
        return kDone;
    }
    const std::optional<QString> path = command.fileOrPlayer(QString());
    if (!path) {
        return kNo;
    }
    if (oneEntry) {
        const std::optional<SettingsImage> image = entryImage(command, operands[0], *path);
        if (!image) {
            return kTrouble;
        }
        if (command.invocation.exportEntry) {
            command.out << exportDocument(*image);
        } else {
            for (const NamedSetting& setting : namedSettings()) {
                command.out << setting.name << '=' << shownText(*image, setting) << '\n';
            }
        }
        return kDone;
    }
    const QList<HistoryEntry> entries = history.entries(command.playerIdOf(*path));
    if (entries.isEmpty()) {
        command.out << CliText::tr("aucune écriture gardée pour %1").arg(*path) << '\n';
        return kDone;
    }
    list(command, entries, readSettingsFile(*path));
    return kDone;
}

int restoreCommand(const Command& command) {
    const QStringList& operands = command.invocation.operands;
    if (operands.isEmpty() || operands.size() > 2) {
        command.err << CliText::tr("usage : ostrelctl restore N [FICHIER] [--dry-run]") << '\n';
        return kTrouble;
    }
    const std::optional<QString> path = command.fileOrPlayer(operands.value(1));
    if (!path) {
        return kNo;
    }
    const std::optional<SettingsImage> image = entryImage(command, operands[0], *path);
    if (!image) {
        return kTrouble;
    }
    // A file the window would not write back is never written, from the
    // history or not.
    if (const QStringList refused = checkLoadedImage(*image).problems(); !refused.isEmpty()) {
        command.err << CliText::tr("l'entrée %1 n'est pas reprise : la fenêtre ne l'écrirait pas.")
                           .arg(operands[0])
                    << '\n';
        for (const QString& problem : refused) {
            command.err << "  " << problem << '\n';
        }
        return kNo;
    }
    return writeWholeImage(command, *path, *image);
}
