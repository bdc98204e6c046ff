#include "EditorCommandLine.h"
#include "Program.h"
#include "i18n/Language.h"
#include "player/UserAccount.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Through sudo, everything as the user who ran it, the display included.
    const bool asInvoker = startAsInvokingUser();
    // --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (!asInvoker) {
        QCoreApplication core(argc, argv);
        installUserLanguage(core);
        QTextStream(stderr) << refusedText() << '\n';
        return 2;
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
