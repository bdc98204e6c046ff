// The least a Qt Core program does to read a settings file and print
// something of it: what "ostrelctl show FILE" is measured against.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QFile file(QCoreApplication::arguments().value(1));
    if (!file.open(QIODevice::ReadOnly)) {
        return 2;
    }
    QTextStream(stdout) << file.readAll().size() << '\n';
    return 0;
}
