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

QString timeText(const HistoryEntry& entry) {
    return entry.kept.isValid() ? entry.keptText() : CliText::tr("(date inconnue)");
}

// What an entry differs in from the file that replaced it: the next newer
// entry, or for the newest the file on the player now (when it can be read).
QString differences(const HistoryEntry& entry, const std::optional<QByteArray>& replacement) {
    if (!entry.restorable()) {
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
                   : (entries[k - 1].restorable() ? std::optional<QByteArray>(entries[k - 1].bytes)
                                                  : std::nullopt);
        command.out << QStringLiteral("%1  %2  %3  %4")
                           .arg(k + 1, 3)
                           .arg(entry.id, timeText(entry), differences(entry, replacement))
                    << '\n';
    }
}

bool isNumber(const QString& text) {
    bool number = false;
    (void)text.toInt(&number);
    return number;
}

// The entry that `which` names: its id (of any player), or its number N (from
// 1, newest first) in the history of the player of `path`. None, the reason
// on the errors, when there is none.
std::optional<HistoryEntry> namedEntry(const Command& command, const QString& which,
                                       const QString& path) {
    const History history(command.seams.historyFolder);
    if (!isNumber(which)) {
        std::optional<HistoryEntry> entry = history.find(which);
        if (!entry) {
            command.err << CliText::tr("%1 : aucune entrée de l'historique n'a cet identifiant "
                                       "(ostrelctl history --all les donne)")
                               .arg(which)
                        << '\n';
        }
        return entry;
    }
    const int n = which.toInt();
    const QList<HistoryEntry> entries = history.entries(command.playerOf(path));
    if (n < 1 || n > entries.size()) {
        command.err << CliText::tr("%1 : pas d'entrée de ce numéro ; l'historique de %2 en a %3 "
                                   "(ostrelctl history les donne)")
                           .arg(which, path)
                           .arg(entries.size())
                    << '\n';
        return std::nullopt;
    }
    return entries[n - 1];
}

// The entry's settings, when it can be put back; none, the reason on the errors.
std::optional<SettingsImage> restorableImage(const Command& command, const HistoryEntry& entry) {
    if (!entry.restorable()) {
        command.err << CliText::tr("l'entrée %1 (%2) est %3 ; elle n'est pas reprise")
                           .arg(entry.id, entry.file, entry.damageText())
                    << '\n';
        return std::nullopt;
    }
    return imageOf(entry.bytes);
}

int showEntry(const Command& command, const QString& which, const QString& file) {
    std::optional<QString> path = file;
    if (isNumber(which)) {
        path = command.fileOrPlayer(file);
        if (!path) {
            return kNo;
        }
    }
    const std::optional<HistoryEntry> entry = namedEntry(command, which, *path);
    const std::optional<SettingsImage> image =
        entry ? restorableImage(command, *entry) : std::nullopt;
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
} // namespace

int historyCommand(const Command& command) {
    const QStringList& operands = command.invocation.operands;
    const bool oneEntry = command.invocation.showEntry || command.invocation.exportEntry;
    if (operands.size() > (oneEntry ? 2 : 1) || (oneEntry && operands.isEmpty()) ||
        (command.invocation.showEntry && command.invocation.exportEntry) ||
        (command.invocation.all && (oneEntry || !operands.isEmpty()))) {
        command.err << CliText::tr("usage : ostrelctl history [FICHIER] | history --all | "
                                   "history --show N|ID [FICHIER] | history --export N|ID "
                                   "[FICHIER]")
                    << '\n';
        return kTrouble;
    }
    if (oneEntry) {
        return showEntry(command, operands[0], operands.value(1));
    }
    const History history(command.seams.historyFolder);
    if (command.invocation.all) {
        for (const QList<HistoryEntry>& entries : history.everyPlayer()) {
            const auto named = std::find_if(entries.begin(), entries.end(), [](const auto& e) {
                return e.damage != HistoryEntry::Damage::UnknownPlayer;
            });
            command.out << CliText::tr("%1 :").arg(named != entries.end()
                                                       ? named->player.shown()
                                                       : CliText::tr("ostrel inconnu"))
                        << '\n';
            list(command, entries, std::nullopt);
        }
        return kDone;
    }
    const std::optional<QString> path = command.fileOrPlayer(operands.value(0));
    if (!path) {
        return kNo;
    }
    const QList<HistoryEntry> entries = history.entries(command.playerOf(*path));
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
        command.err << CliText::tr("usage : ostrelctl restore N|ID [FICHIER] [--dry-run] "
                                   "[--other-player]")
                    << '\n';
        return kTrouble;
    }
    const std::optional<QString> path = command.fileOrPlayer(operands.value(1));
    if (!path) {
        return kNo;
    }
    const std::optional<HistoryEntry> entry = namedEntry(command, operands[0], *path);
    const std::optional<SettingsImage> image =
        entry ? restorableImage(command, *entry) : std::nullopt;
    if (!image) {
        return kTrouble;
    }
    // One player's settings are not put on another unasked (players of one
    // model may share a label and a volume serial).
    const PlayerIdentity target = command.playerOf(*path);
    if (!entry->player.samePlayer(target) && !command.invocation.otherPlayer) {
        command.err << CliText::tr("l'entrée %1 n'est pas remise : elle vient d'un autre ostrel "
                                   "(%2) que %3 (%4). --other-player la remet quand même.")
                           .arg(entry->id, entry->player.shown(), *path, target.shown())
                    << '\n';
        return kTrouble;
    }
    // A file the window would not write back is never written, from the
    // history or not.
    if (const QStringList refused = checkLoadedImage(*image).problems(); !refused.isEmpty()) {
        command.err << CliText::tr("l'entrée %1 n'est pas reprise : la fenêtre ne l'écrirait pas.")
                           .arg(entry->id)
                    << '\n';
        for (const QString& problem : refused) {
            command.err << "  " << problem << '\n';
        }
        return kNo;
    }
    command.out << CliText::tr("entrée %1, gardée le %2 :").arg(entry->id, timeText(*entry))
                << '\n';
    return writeWholeImage(command, *path, *image, true);
}
