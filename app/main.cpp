#include "EditorCommandLine.h"
#include "Program.h"
#include "i18n/Language.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (asksForInformation(arguments)) {
        QCoreApplication core(argc, argv);
        installUserLanguage(core);
        return answerInformationOptions(arguments).value_or(0);
    }
    QApplication app(argc, argv);
    installUserLanguage(app);
    return runSettingsEditor(app);
}
