#include "SystemSeams.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

const char* const DialogMessages::kTitle =
    QT_TRANSLATE_NOOP("DialogMessages", "Paramètrage ostrel");

namespace {
QString title() {
    return QCoreApplication::translate("DialogMessages", DialogMessages::kTitle);
}
} // namespace

void DialogMessages::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool DialogMessages::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("DialogMessages", "Oui"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("DialogMessages", "Non"));
    return box.exec() == QMessageBox::Yes;
}
