// The commands that write: set, import and restore. Each writes only a file
// the window would write back, in one write, through the player's session
// the window writes with: never under an open editor's feet, and what it
// replaces kept in the history first.

#include "Commands.h"

#include "player/DesktopBus.h"
#include "player/PlayerSession.h"
#include "settings/NamedSettings.h"
#include "settings/SettingsDocument.h"
#include "settings/SettingsProbe.h"

#include <QFile>
#include <QFileInfo>

namespace {
// A document is a few kilobytes; anything far larger is not one.
constexpr qint64 kLargestDocument = 1 << 20;

// The file to write, as the window opens it from what was read of it; none,
// and the code to end with, when it is not one the window would write back.
std::optional<SettingsImage> writableImage(const Command& command, const QString& path,
                                           const FileContents& contents, int& code) {
    const std::optional<FileCheck> check = command.checked(path, contents);
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

// A command's write to `path`: the player's session on it, its lock taken
// before the file is read (not for a dry run, which writes nothing), and
// the command's answers to its questions: its options and its errors. When
// the user's window holds the player, the write goes through that window,
// which writes it as the command would, onto the file as the command read it.
class Writer : private PlayerQuestions {
public:
    Writer(const Command& command, const QString& path)
        : command_(command)
        , path_(path)
        , volumes_(command.invocation.volumes, command.seams.mountTable)
        , session_(volumes_, command.seams.locks, command.seams.historyFolder,
                   PlayerSession::Holder::Command, command.seams.lockPatience) {}
    bool open() {
        const QFileInfo file(path_);
        return session_.open({joinPath(file.absolutePath(), QString()), file.fileName()}, *this,
                             !command_.invocation.dryRun);
    }
    FileContents read(PlayerWrite mode = PlayerWrite::OverTheStart) {
        read_ = session_.read(mode);
        return read_;
    }
    std::optional<QStringList> damage() { return session_.damage(); }
    // kDone when written (or a dry run), else kTrouble, the reason said;
    // `kept`: whether what it replaced was kept in the history.
    int write(const SettingsImage& image, PlayerWrite mode = PlayerWrite::OverTheStart,
              bool* kept = nullptr) {
        if (command_.invocation.dryRun) {
            return kDone;
        }
        if (window_) {
            return writeThrough(image, mode, kept);
        }
        const PlayerSession::Written written = session_.write(image.fileBytes(), *this, mode);
        if (kept) {
            *kept = written.kept;
        }
        return written.outcome == PlayerSession::Written::Yes ? kDone : kTrouble;
    }

private:
    int writeThrough(const SettingsImage& image, PlayerWrite mode, bool* kept) {
        const OutsideWritten written = writeThroughWindow(
            *bus_, *window_,
            {path_, read_.bytes, image.fileBytes(), mode, command_.invocation.noHistory});
        if (kept) {
            *kept = written.kept;
        }
        switch (written.outcome) {
        case OutsideWritten::Written:
            if (!written.said.isEmpty()) {
                writeUnkept(written.said.first()); // says that it was written anyway
            }
            return kDone;
        case OutsideWritten::Changed:
            changed(true, {});
            return kTrouble;
        case OutsideWritten::Edited:
            tell(CliText::tr("%1 n'est pas écrit : %2 a été modifié dans la fenêtre "
                             "d'ostrel-settings et n'y est pas encore écrit. Écrivez-le (ou "
                             "relisez l'ostrel) dans la fenêtre, puis recommencez.")
                     .arg(path_, written.said.join(QStringLiteral(", "))));
            return kTrouble;
        case OutsideWritten::Unkept:
            writeUnkept(written.said.value(0));
            return kTrouble;
        case OutsideWritten::Refused:
            for (const QString& reason : written.said) {
                tell(reason);
            }
            return kTrouble;
        case OutsideWritten::NotHeld:
        case OutsideWritten::Unreachable:
            break;
        }
        tellHeldByWindow({});
        return kTrouble;
    }
    void tellHeldByWindow(const QString& other) {
        tell(other.isEmpty() ? CliText::tr("%1 n'est pas écrit : l'ostrel est ouvert dans la "
                                           "fenêtre d'ostrel-settings, dont la prochaine "
                                           "écriture déferait celle-ci sans un mot. Fermez "
                                           "la fenêtre, puis recommencez.")
                                   .arg(path_)
                             : CliText::tr("%1 n'est pas écrit : l'ostrel est ouvert dans "
                                           "une fenêtre d'ostrel-settings de %2, dont la "
                                           "prochaine écriture déferait celle-ci sans un "
                                           "mot.")
                                   .arg(path_, other));
    }
    void tell(const QString& text) override { command_.err << text << '\n'; }
    bool goOn(LockOutcome outcome, const QString& other, const QString& problem) override {
        const QString seconds = QString::number(command_.seams.lockPatience.count() / 1000.0);
        switch (outcome) {
        case LockOutcome::Taken:
            return true;
        case LockOutcome::HeldByWindow:
            // The user's own window writes it, when the bus reaches it.
            if (other.isEmpty() && command_.seams.sessionBus &&
                (bus_ = command_.seams.sessionBus())) {
                window_ = windowHolding(*bus_, path_);
            }
            if (window_) {
                return true;
            }
            tellHeldByWindow(other);
            return false;
        case LockOutcome::HeldByCommand:
            tell(other.isEmpty() ? CliText::tr("%1 n'est pas écrit : une autre commande ostrelctl "
                                               "l'écrit depuis plus de %2 s. Recommencez plus "
                                               "tard.")
                                       .arg(path_, seconds)
                                 : CliText::tr("%1 n'est pas écrit : une commande ostrelctl de %3 "
                                               "l'écrit depuis plus de %2 s. Recommencez plus "
                                               "tard.")
                                       .arg(path_, seconds, other));
            return false;
        case LockOutcome::Unavailable:
            break;
        }
        tell(CliText::tr("%1 n'est pas écrit : le verrou qui empêche deux programmes de l'écrire "
                         "à la fois n'a pas pu être créé (%2).")
                 .arg(path_, problem));
        return false;
    }
    // Under the lock, only the player itself could have changed it since.
    Changed changed(bool, const FileContents&) override {
        tell(CliText::tr("%1 n'est pas écrit : il a changé depuis que la commande l'a lu. "
                         "Recommencez.")
                 .arg(path_));
        return Changed::Nothing;
    }
    bool writeUnkept(const QString& problem) override {
        if (!command_.invocation.noHistory) {
            tell(CliText::tr("%1 n'est pas écrit : l'historique n'a pas pu être gardé (%2).\n"
                             "(--no-history l'écrit sans garder ce qu'il remplace)")
                     .arg(path_, problem));
            return false;
        }
        tell(CliText::tr("%1 : l'historique n'a pas pu être gardé (%2) ; écrit quand même "
                         "(--no-history), cette écriture ne pourra pas être défaite")
                 .arg(path_, problem));
        return true;
    }

    const Command& command_;
    QString path_;
    SystemVolumes volumes_;
    PlayerSession session_;
    FileContents read_;                  // what the write expects to replace
    std::optional<QDBusConnection> bus_; // the user's session bus, once needed
    std::optional<QString> window_;      // the window that writes for the command
};

// A new file, made as a backup is saved.
int writeNew(const Command& command, const QString& path, const SettingsImage& image) {
    if (!command.invocation.dryRun) {
        const WriteOutcome outcome = saveBackupFile(path, image.fileBytes());
        if (!outcome.written) {
            command.err << outcome.problem << '\n';
            return kTrouble;
        }
    }
    command.out << (command.invocation.dryRun ? CliText::tr("%1 : serait créé")
                                              : CliText::tr("%1 : créé"))
                       .arg(path)
                << '\n';
    return reportChanges(command, {}, 0, kDone);
}

// A damaged file (of the wrong size, refused, or unreadable) that a restore
// replaces whole, kept in the history first when it can be read; what was
// done is said once it is done. The player's file is never a link: none is
// followed to read it.
int repairWhole(const Command& command, Writer& writer, const QString& path,
                const SettingsImage& image, const QStringList& damage) {
    const FileContents damaged = writer.read(PlayerWrite::WholeFile);
    bool kept = false;
    const int code = writer.write(image, PlayerWrite::WholeFile, &kept);
    if (code != kDone) {
        return code;
    }
    const bool dryRun = command.invocation.dryRun;
    const QString problems = damage.join(QStringLiteral(", "));
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
    Writer writer(command, *path);
    if (!writer.open()) {
        return kTrouble;
    }
    int code = kDone;
    std::optional<SettingsImage> image = writableImage(command, *path, writer.read(), code);
    if (!image) {
        return code;
    }
    const QList<SettingChange> changes = applyValues(*image, values);
    if (changes.isEmpty()) {
        command.out << CliText::tr("rien à changer") << '\n';
        return kDone;
    }
    return reportChanges(command, changes, 0, writer.write(*image));
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
    Writer writer(command, path);
    if (!writer.open()) {
        return kTrouble;
    }
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        return writeNew(command, path, image);
    }
    if (const std::optional<QStringList> damage = repair ? writer.damage() : std::nullopt) {
        return repairWhole(command, writer, path, image, *damage);
    }
    int code = kDone;
    const std::optional<SettingsImage> current = writableImage(command, path, writer.read(), code);
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
    return reportChanges(command, changes, others.size(), writer.write(image));
}
