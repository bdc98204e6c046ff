// The commands that write: set, import and restore. Each writes only a file
// the window would write back, in one write, never under an open editor's
// feet, and keeps the file it replaces in the history first.

#include "Commands.h"

#include "player/History.h"
#include "player/PlayerLock.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"

#include <QFile>
#include <QFileInfo>

namespace {
// What a write replaces: nothing (a new file), a settings file, or a damaged
// file that a restore repairs (its bytes when they could be read).
struct Replaced {
    enum Kind { Nothing, Settings, Damaged } kind;
    QByteArray bytes;
};

// A document is a few kilobytes; anything far larger is not one.
constexpr qint64 kLargestDocument = 1 << 20;

// The file to write, as the window opens it; none, and the code to end with,
// when it is not one the window would write back.
std::optional<SettingsImage> writableImage(const Command& command, const QString& path, int& code) {
    const std::optional<FileCheck> check = command.checked(path);
    if (!check) {
        code = kTrouble;
        return std::nullopt;
    }
    if (!check->accepted()) {
        command.err
            << CliText::tr("%1 n'est pas écrit : la fenêtre ne l'écrirait pas non plus.").arg(path)
            << '\n';
        for (const QString& problem : check->problems) {
            command.err << "  " << problem << '\n';
        }
        code = kNo;
        return std::nullopt;
    }
    return check->image;
}

// What a write changed (or, with --dry-run, would change).
int reportChanges(const Command& command, const QList<SettingChange>& changes, qsizetype otherBytes,
                  int code) {
    if (code != kDone) {
        return code;
    }
    command.printChanges(changes);
    command.sayOtherBytes(otherBytes, !changes.isEmpty());
    if (command.invocation.dryRun) {
        command.out << CliText::tr("rien n'est écrit (--dry-run)") << '\n';
    }
    return code;
}

// The player's lock, taken before `path` is read for a write; none, and the
// reason on the errors, when another writer has it or it cannot be made. A
// dry run writes nothing and needs none.
struct WriteLock {
    std::unique_ptr<PlayerLock> lock;
    bool refused = false;
};
WriteLock lockForWriting(const Command& command, const QString& path) {
    if (command.invocation.dryRun) {
        return {};
    }
    auto lock =
        std::make_unique<PlayerLock>(command.seams.locks, path, PlayerLock::Holder::Command);
    const PlayerLock::Outcome outcome = lock->take(command.seams.lockPatience);
    if (outcome == PlayerLock::Outcome::Taken) {
        return {std::move(lock), false};
    }
    // Who holds it, when it is another user or root.
    const QString other = lock->otherHolder();
    switch (outcome) {
    case PlayerLock::Outcome::HeldByWindow:
        command.err << (other.isEmpty()
                            ? CliText::tr(
                                  "%1 n'est pas écrit : l'ostrel est ouvert dans la fenêtre "
                                  "d'ostrel-settings, dont la prochaine écriture déferait "
                                  "celle-ci sans un mot. Fermez la fenêtre, puis "
                                  "recommencez.")
                                  .arg(path)
                            : CliText::tr("%1 n'est pas écrit : l'ostrel est ouvert dans une "
                                          "fenêtre d'ostrel-settings de %2, dont la prochaine "
                                          "écriture déferait celle-ci sans un mot.")
                                  .arg(path, other));
        break;
    case PlayerLock::Outcome::HeldByCommand: {
        const QString seconds = QString::number(command.seams.lockPatience.count() / 1000.0);
        command.err << (other.isEmpty()
                            ? CliText::tr("%1 n'est pas écrit : une autre commande ostrelctl "
                                          "l'écrit depuis plus de %2 s. Recommencez plus tard.")
                                  .arg(path, seconds)
                            : CliText::tr("%1 n'est pas écrit : une commande ostrelctl de %3 "
                                          "l'écrit depuis plus de %2 s. Recommencez plus tard.")
                                  .arg(path, seconds, other));
        break;
    }
    default:
        command.err << CliText::tr("%1 n'est pas écrit : le verrou qui empêche deux programmes "
                                   "de l'écrire à la fois n'a pas pu être créé (%2).")
                           .arg(path, lock->problem());
        break;
    }
    command.err << '\n';
    return {nullptr, true};
}

// Writes the image's bytes to `path`: as a new file, as a backup is saved,
// when it replaces nothing; else over the existing file as "Ecrire ostrel"
// writes the player's (whole, when it is damaged), once what it holds now is
// kept in the history (`kept` says whether it was). A write refused before
// the player is touched keeps nothing.
int writeImage(const Command& command, const QString& path, const SettingsImage& image,
               const Replaced& replaced, bool* kept = nullptr) {
    if (command.invocation.dryRun) {
        return kDone;
    }
    const QByteArray bytes = image.fileBytes();
    if (replaced.kind == Replaced::Nothing) {
        const WriteOutcome outcome = saveBackupFile(path, bytes);
        command.err << (outcome.written ? QString() : outcome.problem + u'\n');
        return outcome.written ? kDone : kTrouble;
    }
    if (const std::optional<WriteOutcome> refusal = playerFileRefusal(path)) {
        command.err << refusal->problem << '\n';
        return kTrouble;
    }
    if (!replaced.bytes.isEmpty()) {
        const PlayerIdentity player = command.playerOf(path);
        const QString problem = History(command.seams.historyFolder).keep(player, replaced.bytes);
        if (!problem.isEmpty() && !command.invocation.noHistory) {
            command.err << CliText::tr("%1 n'est pas écrit : l'historique n'a pas pu être gardé "
                                       "(%2).\n(--no-history l'écrit sans garder ce qu'il "
                                       "remplace)")
                               .arg(path, problem)
                        << '\n';
            return kTrouble;
        }
        if (!problem.isEmpty()) {
            command.err << CliText::tr("%1 : l'historique n'a pas pu être gardé (%2) ; écrit "
                                       "quand même (--no-history), cette écriture ne pourra pas "
                                       "être défaite")
                               .arg(path, problem)
                        << '\n';
        }
        if (kept) {
            *kept = problem.isEmpty();
        }
    }
    const WriteOutcome outcome = writePlayerFile(
        path, bytes, {},
        replaced.kind == Replaced::Damaged ? PlayerWrite::WholeFile : PlayerWrite::OverTheStart);
    if (!outcome.written) {
        command.err << outcome.problem << '\n';
        return kTrouble;
    }
    return kDone;
}

// A damaged file (of the wrong size, refused, or unreadable) that a restore
// replaces whole, kept in the history first when it can be read; what was
// done is said once it is done. The player's file is never a link: none is
// followed to read it.
int repairWhole(const Command& command, const QString& path, const SettingsImage& image,
                const FileCheck& check) {
    const FileContents damaged = readRegularFile(path, History::kLargestKept, false);
    bool kept = false;
    const int code =
        writeImage(command, path, image,
                   Replaced{Replaced::Damaged, damaged.ok() ? damaged.bytes : QByteArray()}, &kept);
    if (code != kDone) {
        return code;
    }
    const bool dryRun = command.invocation.dryRun;
    const QString problems = check.problems.join(QStringLiteral(", "));
    if (!damaged.ok()) {
        command.out << (dryRun ? CliText::tr("%1 ne peut pas être lu (%2) : il serait remplacé "
                                             "en entier, sans pouvoir être gardé")
                               : CliText::tr("%1 ne pouvait pas être lu (%2) : il a été remplacé "
                                             "en entier, sans pouvoir être gardé"))
                           .arg(path, readFailureText(damaged.failure));
    } else if (dryRun && !damaged.bytes.isEmpty()) {
        command.out << CliText::tr("%1 est endommagé (%2) : il serait gardé dans l'historique, "
                                   "puis remplacé en entier")
                           .arg(path, problems);
    } else if (kept) {
        command.out << CliText::tr("%1 était endommagé (%2) : il a été gardé dans l'historique, "
                                   "puis remplacé en entier")
                           .arg(path, problems);
    } else {
        command.out << (dryRun ? CliText::tr("%1 est endommagé (%2) : il serait remplacé en "
                                             "entier, sans être gardé")
                               : CliText::tr("%1 était endommagé (%2) : il a été remplacé en "
                                             "entier, sans être gardé"))
                           .arg(path, problems);
    }
    command.out << '\n';
    return reportChanges(command, {}, 0, code);
}

// NAME=VALUE with a name the editor knows.
bool isAssignment(const QString& operand) {
    const qsizetype equals = operand.indexOf(u'=');
    return equals > 0 && namedSetting(operand.left(equals)) != nullptr;
}

// The first operand of set names the file when it assigns nothing: it has no
// "=", or it names a file that is there and no setting. A mistyped setting
// (fm.Z=101.1) is refused as one, not looked for as a file.
bool namesFile(const QString& operand) {
    return !operand.contains(u'=') || (!isAssignment(operand) && (QFileInfo::exists(operand) ||
                                                                  QFileInfo(operand).isSymLink()));
}

std::optional<QByteArray> readDocument(const Command& command, const QString& source) {
    FileContents contents;
    if (source != QLatin1String("-")) {
        contents = readRegularFile(source, kLargestDocument);
    } else if (command.seams.input) {
        contents = readToEnd(*command.seams.input, kLargestDocument);
    } else {
        contents.failure = ReadFailure::Unreadable;
    }
    if (contents.failure == ReadFailure::TooLarge) {
        command.err << CliText::tr("%1 : trop grand pour un document ostrel-settings").arg(source)
                    << '\n';
        return std::nullopt;
    }
    if (!contents.ok()) {
        command.sayUnread(source, contents.failure);
        return std::nullopt;
    }
    return contents.bytes;
}
// Each NAME=VALUE into `values`; the refused ones, each with its reason.
QStringList readAssignments(const QStringList& assignments, SettingValues& values) {
    QStringList refusals;
    QStringList given;
    for (const QString& assignment : assignments) {
        const qsizetype equals = assignment.indexOf(u'=');
        const QString name = assignment.left(equals);
        const NamedSetting* setting = equals > 0 ? namedSetting(name) : nullptr;
        if (!setting) {
            refusals.append(CliText::tr("%1 : %2").arg(
                assignment, equals > 0
                                ? CliText::tr("réglage inconnu (ostrelctl show donne les noms)")
                                : CliText::tr("il faut NOM=VALEUR")));
            continue;
        }
        if (given.contains(name)) {
            refusals.append(CliText::tr("%1 : réglage donné deux fois").arg(assignment));
            continue;
        }
        given.append(name);
        const ParsedValue parsed = parseValue(*setting, assignment.mid(equals + 1));
        if (!parsed.value) {
            refusals.append(CliText::tr("%1 : %2").arg(assignment, parsed.refusal));
            continue;
        }
        values[static_cast<std::size_t>(setting - namedSettings().data())] = parsed.value;
    }
    return refusals;
}
} // namespace

int setCommand(const Command& command) {
    QStringList assignments = command.invocation.operands;
    QString file;
    if (!assignments.isEmpty() && namesFile(assignments.first())) {
        file = assignments.takeFirst();
    }
    if (assignments.isEmpty()) {
        command.err << CliText::tr("set : rien à changer ; usage : ostrelctl set [FICHIER] "
                                   "NOM=VALEUR...")
                    << '\n';
        return kTrouble;
    }

    SettingValues values(namedSettings().size());
    const QStringList refusals = readAssignments(assignments, values);
    if (!refusals.isEmpty()) {
        command.err << CliText::tr("rien n'est écrit :") << '\n';
        for (const QString& refusal : refusals) {
            command.err << "  " << refusal << '\n';
        }
        return kTrouble;
    }

    const std::optional<QString> path = command.fileOrPlayer(file);
    if (!path) {
        return kNo;
    }
    const WriteLock lock = lockForWriting(command, *path);
    if (lock.refused) {
        return kTrouble;
    }
    int code = kDone;
    std::optional<SettingsImage> image = writableImage(command, *path, code);
    if (!image) {
        return code;
    }
    const SettingsImage current = *image;
    const QList<SettingChange> changes = applyValues(*image, values);
    if (changes.isEmpty()) {
        command.out << CliText::tr("rien à changer") << '\n';
        return kDone;
    }
    return reportChanges(
        command, changes, 0,
        writeImage(command, *path, *image, Replaced{Replaced::Settings, current.fileBytes()}));
}

int importCommand(const Command& command) {
    const QStringList& operands = command.invocation.operands;
    if (operands.isEmpty() || operands.size() > 2) {
        command.err << CliText::tr("usage : ostrelctl import DOCUMENT.json|- [FICHIER]") << '\n';
        return kTrouble;
    }
    const std::optional<QByteArray> document = readDocument(command, operands[0]);
    if (!document) {
        return kTrouble;
    }
    const ImportOutcome imported = importDocument(*document);
    if (!imported.image) {
        command.err << CliText::tr("rien n'est écrit, %1 est refusé :").arg(operands[0]) << '\n';
        for (const QString& problem : imported.problems) {
            command.err << "  " << problem << '\n';
        }
        return kTrouble;
    }

    const std::optional<QString> path = command.fileOrPlayer(operands.value(1));
    if (!path) {
        return kNo;
    }
    return writeWholeImage(command, *path, *imported.image);
}

int writeWholeImage(const Command& command, const QString& path, const SettingsImage& image,
                    bool repair) {
    const WriteLock lock = lockForWriting(command, path);
    if (lock.refused) {
        return kTrouble;
    }
    const bool exists = QFileInfo(path).exists() || QFileInfo(path).isSymLink();
    if (!exists) {
        const int code = writeImage(command, path, image, Replaced{Replaced::Nothing, {}});
        if (code == kDone) {
            command.out << (command.invocation.dryRun ? CliText::tr("%1 : serait créé")
                                                      : CliText::tr("%1 : créé"))
                               .arg(path)
                        << '\n';
        }
        return reportChanges(command, {}, 0, code);
    }
    if (repair) {
        const FileCheck check = checkSettingsFile(path);
        if (!check.accepted() && check.failure != ReadFailure::NotARegularFile &&
            check.failure != ReadFailure::Missing) {
            return repairWhole(command, path, image, check);
        }
    }
    int code = kDone;
    const std::optional<SettingsImage> current = writableImage(command, path, code);
    if (!current) {
        return code;
    }
    if (current->fileBytes() == image.fileBytes()) {
        command.out << CliText::tr("rien à changer") << '\n';
        return kDone;
    }
    const QList<SettingChange> changes = settingChanges(*current, image);
    const QList<int> others =
        otherDifferingOffsets(current->fileBytes(), image.fileBytes(), changes);
    return reportChanges(
        command, changes, others.size(),
        writeImage(command, path, image, Replaced{Replaced::Settings, current->fileBytes()}));
}
