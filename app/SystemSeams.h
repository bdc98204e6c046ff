#pragma once

#include "Seams.h"

#include <QMessageBox>
#include <QPointer>

class QWidget;

class DialogMessages : public MessageBoxes {
public:
    static const char* const kTitle; // before translation
    void show(const QString& text) override;
    bool ask(const QString& question) override;
    int choose(const QString& question, const QStringList& answers, int defaultAnswer) override;
    void closeMessage() override;

private:
    QPointer<QMessageBox> shown_; // the message on screen, if any
};
