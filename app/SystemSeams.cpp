#include "SystemSeams.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

const QString DialogMessages::kTitle = QStringLiteral("Paramètrage ostrel");

void DialogMessages::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool DialogMessages::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    return box.exec() == QMessageBox::Yes;
}
