#include "EditorCommandLine.h"

#include "player/Volumes.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
const char* const kHelp =
    QT_TRANSLATE_NOOP("EditorCommandLine", R"help(usage : ostrel-settings [--volume DOSSIER]...

Éditeur des réglages du baladeur Ostrel : préréglages FM, égaliseur, SRS WOW,
options du lecteur et contraste. Il cherche l'ostrel parmi les volumes montés
(jamais les partages réseau), ouvre son settings.dat et l'y réécrit.

Options :
  --volume DOSSIER  cherche aussi l'ostrel dans DOSSIER (répétable)
  --help            cette aide
  --version         la version

La liste des villes, station_fm2.csv, est prise à côté du programme, sinon dans
../share/ostrel-settings/. Un programme copié (sa liste à côté de lui) garde la
sauvegarde à côté de lui quand ce dossier peut être écrit ; sinon, et toujours
pour un programme installé, elle va dans le dossier de données de l'utilisateur
(~/.local/share/ostrel-settings/).
)help");

QString translate(const char* text) {
    return QCoreApplication::translate("EditorCommandLine", text);
}
} // namespace

std::optional<EditorOptions> parseCommandLine(const QStringList& arguments, QString& error) {
    EditorOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (takeVolumeArgument(arguments, i, options.volumes) == VolumeArgument::Taken) {
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else {
            error = QCoreApplication::translate(
                        "EditorCommandLine",
                        "option inconnue : %1\n"
                        "usage : ostrel-settings [--volume DOSSIER]... | --help | --version")
                        .arg(argument);
            return std::nullopt;
        }
    }
    return options;
}

bool asksForInformation(const QStringList& arguments) {
    QString error;
    const std::optional<EditorOptions> options = parseCommandLine(arguments, error);
    return options && (options->help || options->version);
}

std::optional<int> answerInformationOptions(const QStringList& arguments) {
    QString error;
    const std::optional<EditorOptions> options = parseCommandLine(arguments, error);
    if (!options || (!options->help && !options->version)) {
        return std::nullopt;
    }
    QTextStream out(stdout);
    if (options->help) {
        out << translate(kHelp);
    } else {
        out << "ostrel-settings " << OSTREL_VERSION << '\n';
    }
    return 0;
}
