#include "Commands.h"
#include "Ostrelctl.h"
#include "i18n/Language.h"
#include "player/DesktopBus.h"
#include "player/UserAccount.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// Qt's own notes (an unset XDG_RUNTIME_DIR...) are not for the user of a
// command: the commands say themselves what went wrong.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// A standard stream closed by the caller would let the next file opened take
// its number, and the output meant for it would land in the player's file.
// /dev/null opened for reading takes its place: reading it ends at once and
// writing to it fails, so that a closed output is still reported.
void keepStandardStreamsTaken() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int placeholder = ::open("/dev/null", O_RDONLY);
            if (placeholder >= 0 && placeholder != fd) {
                ::dup2(placeholder, fd);
                ::close(placeholder);
            }
        }
    }
}

// The arguments as the program was given them, unless one is not UTF-8: its
// text would name another file than the one given. None, and the argument
// said on standard error, then.
std::optional<QStringList> exactArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.toLocal8Bit() != QByteArray(argv[i])) {
            QTextStream(stderr) << CliText::tr(
                                       "ostrelctl : %1 : ce nom n'est pas de l'UTF-8 valide ; "
                                       "ostrelctl ne saurait pas nommer ce fichier sans "
                                       "en nommer un autre. Renommez-le.")
                                       .arg(argument)
                                << '\n';
            return std::nullopt;
        }
        arguments.append(argument);
    }
    return arguments;
}
} // namespace

int main(int argc, char* argv[]) {
    keepStandardStreamsTaken();
    qInstallMessageHandler(quietQt);
    // Through sudo, everything as the user who ran it.
    const bool asInvoker = startAsInvokingUser();
    QCoreApplication app(argc, argv);
    installUserLanguage(app);
    if (!asInvoker) {
        QTextStream(stderr) << "ostrelctl : " << refusedText() << '\n';
        return kTrouble;
    }
    const std::optional<QStringList> arguments = exactArguments(argc, argv);
    if (!arguments) {
        return kTrouble;
    }

    QFile input;
    (void)input.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliSeams seams;
    seams.userIds = UserIds::ofProcess();
    seams.input = &input;
    seams.sessionBus = [] {
        return userSessionBus(UserIds::ofProcess());
    };
    int code = runOstrelctl(*arguments, out, err, seams);

    // What was printed must have reached its place: a full disk or a closed
    // output is a failure, not an answer.
    out.flush();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        err << CliText::tr("ostrelctl : la sortie standard n'a pas pu être écrite (%1)")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)))
            << '\n';
        code = kTrouble;
    }
    return code;
}
