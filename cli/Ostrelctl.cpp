#include "Ostrelctl.h"

#include "Commands.h"
#include "player/History.h"
#include "player/UserFolders.h"

#include <QTextStream>

namespace {
using Handler = int (*)(const Command&);

struct Entry {
    const char* name;
    Handler run;
    bool userFolders = false; // the lock or the history: looked up only then
};

constexpr Entry kCommands[] = {
    {"find", findCommand},
    {"show", showCommand},
    {"check", checkCommand},
    {"diff", diffCommand},
    {"set", setCommand, true},
    {"export", exportCommand},
    {"import", importCommand, true},
    {"history", historyCommand, true},
    {"restore", restoreCommand, true},
};

// Options that only some commands take.
QString misplacedOption(const Invocation& invocation) {
    const QString& command = invocation.command;
    if (invocation.json && command != QLatin1String("show")) {
        return QStringLiteral("--json");
    }
    if (invocation.bytes && command != QLatin1String("diff")) {
        return QStringLiteral("--bytes");
    }
    const bool writes = command == QLatin1String("set") || command == QLatin1String("import") ||
                        command == QLatin1String("restore");
    if (invocation.dryRun && !writes) {
        return QStringLiteral("--dry-run");
    }
    if (invocation.noHistory && !writes) {
        return QStringLiteral("--no-history");
    }
    if (invocation.otherPlayer && command != QLatin1String("restore")) {
        return QStringLiteral("--other-player");
    }
    const bool history = command == QLatin1String("history");
    if (invocation.all && !history) {
        return QStringLiteral("--all");
    }
    if (invocation.showEntry && !history) {
        return QStringLiteral("--show");
    }
    if (invocation.exportEntry && !history) {
        return QStringLiteral("--export");
    }
    return QString();
}
} // namespace

void setUserFolders(CliSeams& seams, const UserIds& ids) {
    const UserFolders folders = userFolders(ids);
    seams.locks = folders.locks;
    seams.historyFolder = historyFolderIn(folders.data);
}

int runOstrelctl(const QStringList& arguments, QTextStream& out, QTextStream& err,
                 const CliSeams& seams) {
    QString error;
    const std::optional<Invocation> invocation = parseInvocation(arguments, error);
    if (!invocation) {
        err << CliText::tr("ostrelctl : %1\n(ostrelctl --help donne l'usage)").arg(error) << '\n';
        return kTrouble;
    }
    if (invocation->version) {
        out << "ostrelctl " << OSTREL_VERSION << '\n';
        return kDone;
    }
    if (invocation->help || invocation->command.isEmpty() ||
        invocation->command == QLatin1String("help")) {
        const QString topic = invocation->command == QLatin1String("help")
                                  ? invocation->operands.value(0)
                                  : invocation->command;
        const QString text = helpText(topic);
        if (text.isEmpty()) {
            err << CliText::tr("ostrelctl : commande inconnue : %1").arg(topic) << '\n';
            return kTrouble;
        }
        (invocation->command.isEmpty() && !invocation->help ? err : out) << text;
        return invocation->command.isEmpty() && !invocation->help ? kTrouble : kDone;
    }
    for (const Entry& entry : kCommands) {
        if (invocation->command != QLatin1String(entry.name)) {
            continue;
        }
        if (const QString option = misplacedOption(*invocation); !option.isEmpty()) {
            err << CliText::tr("ostrelctl %1 : %2 ne s'applique pas ici")
                       .arg(QLatin1String(entry.name), option)
                << '\n';
            return kTrouble;
        }
        if (entry.userFolders && seams.userIds) {
            CliSeams found = seams;
            setUserFolders(found, *seams.userIds);
            return entry.run(Command{*invocation, out, err, found});
        }
        return entry.run(Command{*invocation, out, err, seams});
    }
    err << CliText::tr("ostrelctl : commande inconnue : %1\n(ostrelctl --help donne les "
                       "commandes)")
               .arg(invocation->command)
        << '\n';
    return kTrouble;
}
