#include "SystemSeams.h"

#include <QApplication>
#include <QMessageBox>

const QString DialogMessages::kTitle = QStringLiteral("Paramètrage ostrel");

void DialogMessages::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
