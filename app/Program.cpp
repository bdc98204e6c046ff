#include "Program.h"

#include "Form1.h"
#include "Look.h"
#include "PlayerLock.h"
#include "SystemSeams.h"

#include <QApplication>

int runSettingsEditor(QApplication& app) {
    applyProgramLook(app);

    QStringList volumeFolders;
    QString error;
    DialogMessages messages;
    if (!parseCommandLine(QApplication::arguments(), volumeFolders, error)) {
        messages.show(error);
        return 2;
    }
    const SystemVolumes volumes(volumeFolders);

    Form1 window(Seams{volumes, messages, QCoreApplication::applicationDirPath(),
                       PlayerLock::defaultFolder(), QApplication::palette()});
    if (!window.Form_Load()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
