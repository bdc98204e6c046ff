// Creates a simulated player: a folder whose settings.dat holds valid factory
// settings. An existing settings.dat is left alone.
#include "settings/DemoImage.h"
#include "settings/SettingsProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: ostrel-demo-player DOSSIER\n");
        return 2;
    }
    const QString folder = arguments[1];
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "impossible de créer %s\n", qPrintable(folder));
        return 1;
    }
    if (settingsFileIn(folder)) {
        return 0;
    }
    QFile file(joinPath(folder, kSettingsFileName));
    const QByteArray bytes = demoSettingsImage().fileBytes();
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(file.fileName()));
        return 1;
    }
    std::printf("joueur simulé créé : %s\n", qPrintable(file.fileName()));
    return 0;
}
