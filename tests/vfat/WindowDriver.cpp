// The real window as ostrel-settings starts it, driven by lines on its
// standard input, for the scenarios on real FAT disks where no one clicks:
// "write N" sets the contrast to N and presses "Ecrire ostrel", and says what
// the user saw (questions are answered no); the end of the input ends it.
#include "app/Form1.h"
#include "app/LevelScrollBar.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"

#include <QApplication>
#include <QPushButton>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

struct PrintedMessages : MessageBoxes {
    int shown = 0, asked = 0;
    void show(const QString& text) override { ++shown, std::printf("%s\n", qPrintable(text)); }
    bool ask(const QString& question) override {
        return ++asked, std::printf("%s\n", qPrintable(question)), false;
    }
    int choose(const QString& question, const QStringList&, int defaultAnswer) override {
        return ask(question), defaultAnswer;
    }
    void closeMessage() override {}
};

int main(int argc, char* argv[]) {
    if (!startAsInvokingUser()) {
        return 2;
    }
    QApplication app(argc, argv);
    QStringList volumes, arguments = QApplication::arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        takeVolumeArgument(arguments, i, volumes);
    }
    const SystemVolumes system(volumes);
    PrintedMessages messages;
    MountTableWatch mounts;
    Form1 window(Seams{system, messages, QCoreApplication::applicationDirPath(),
                       userFolders(UserIds::ofProcess()), QApplication::palette(), &mounts});
    if (!window.Form_Load()) {
        return 1;
    }
    std::printf("started|%s\n", qPrintable(window.deviceSettingsPath()));
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64] = {};
        if (::read(STDIN_FILENO, line, sizeof line - 1) <= 0) {
            QApplication::quit();
        } else if (const QByteArray command(line); command.startsWith("write ")) {
            messages.shown = messages.asked = 0;
            window.home->VScroll2->setLevel(command.mid(6).trimmed().toInt());
            window.enreg_ostrel->click();
            std::printf("write|asked %d|shown %d|%s\n", messages.asked, messages.shown,
                        qPrintable(window.Label10->text()));
        }
        std::fflush(stdout);
    });
    return QApplication::exec();
}
