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
    shown_ = &box;
    box.exec();
}

void DialogMessages::closeMessage() {
    if (shown_) {
        shown_->done(QMessageBox::Ok);
    }
}

int DialogMessages::choose(const QString& question, const QStringList& answers, int defaultAnswer) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QPushButton*> buttons;
    for (const QString& answer : answers) {
        buttons.append(box.addButton(answer, QMessageBox::ActionRole));
    }
    box.setDefaultButton(buttons.value(defaultAnswer));
    box.setEscapeButton(buttons.value(defaultAnswer));
    box.exec();
    const qsizetype chosen = buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? defaultAnswer : static_cast<int>(chosen);
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
