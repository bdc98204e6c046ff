#include "CommandLine.h"

#include "player/Volumes.h"

#include <QCoreApplication>

std::optional<Invocation> parseInvocation(const QStringList& arguments, QString& error) {
    Invocation invocation;
    QStringList words;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            words.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (const VolumeArgument volume =
                       takeVolumeArgument(arguments, i, invocation.volumes);
                   volume != VolumeArgument::NotOne) {
            if (volume == VolumeArgument::FolderMissing) {
                error = QCoreApplication::translate("ostrelctl", "--volume : il manque le dossier");
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            invocation.help = true;
        } else if (argument == QLatin1String("--version")) {
            invocation.version = true;
        } else if (argument == QLatin1String("--json")) {
            invocation.json = true;
        } else if (argument == QLatin1String("--bytes")) {
            invocation.bytes = true;
        } else if (argument == QLatin1String("--dry-run") || argument == QLatin1String("-n")) {
            invocation.dryRun = true;
        } else if (argument == QLatin1String("--no-history")) {
            invocation.noHistory = true;
        } else if (argument == QLatin1String("--other-player")) {
            invocation.otherPlayer = true;
        } else if (argument == QLatin1String("--all")) {
            invocation.all = true;
        } else if (argument == QLatin1String("--show")) {
            invocation.showEntry = true;
        } else if (argument == QLatin1String("--export")) {
            invocation.exportEntry = true;
        } else {
            error = QCoreApplication::translate("ostrelctl", "option inconnue : %1").arg(argument);
            return std::nullopt;
        }
    }
    if (!words.isEmpty()) {
        invocation.command = words.takeFirst();
    }
    invocation.operands = words;
    return invocation;
}
