#include "Program.h"

#include "EditorCommandLine.h"
#include "Form1.h"
#include "Look.h"
#include "SystemSeams.h"
#include "player/DesktopBus.h"

#include <QApplication>

int runSettingsEditor(QApplication& app) {
    applyProgramLook(app);

    QString error;
    DialogMessages messages;
    const std::optional<EditorOptions> options = parseCommandLine(QApplication::arguments(), error);
    if (!options) {
        messages.show(error);
        return 2;
    }
    const SystemVolumes volumes(options->volumes);
    MountTableWatch mounts;

    Form1 window(Seams{volumes, messages, QCoreApplication::applicationDirPath(),
                       userFolders(UserIds::ofProcess()), QApplication::palette(), &mounts,
                       userSessionBus(UserIds::ofProcess())});
    // No player, or its window is already open (and was brought forward).
    if (!window.Form_Load()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
