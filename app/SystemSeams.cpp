#include "SystemSeams.h"

#include <QApplication>
#include <QMessageBox>

const QString DialogMessages::kTitle = QStringLiteral("Paramètrage ostrel");

void DialogMessages::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool parseCommandLine(const QStringList& arguments, QStringList& volumes, QString& error) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--volume") && i + 1 < arguments.size()) {
            volumes.append(arguments[++i]);
        } else if (argument.startsWith(QLatin1String("--volume="))) {
            volumes.append(argument.mid(9));
        } else {
            error = QStringLiteral(
                        "option inconnue : %1\nusage : ostrel-settings [--volume DOSSIER]...")
                        .arg(argument);
            return false;
        }
    }
    return true;
}
