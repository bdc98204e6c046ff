#include "Ostrelctl.h"

#include "player/PlayerLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {
// Qt's own notes (an unset XDG_RUNTIME_DIR...) are not for the user of a
// command: the commands say themselves what went wrong.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}
} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietQt);
    QCoreApplication app(argc, argv);

    QFile input;
    (void)input.open(stdin, QIODevice::ReadOnly);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliSeams seams;
    seams.lockFolder = PlayerLock::defaultFolder();
    seams.input = &input;
    return runOstrelctl(QCoreApplication::arguments().mid(1), out, err, seams);
}
