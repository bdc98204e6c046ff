#include "EditorCommandLine.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (const std::optional<int> code = answerInformationOptions(arguments)) {
        return *code;
    }
    QApplication app(argc, argv);
    return runSettingsEditor(app);
}
