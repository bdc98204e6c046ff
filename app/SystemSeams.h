#pragma once

#include "Seams.h"

class QWidget;

class DialogMessages : public MessageBoxes {
public:
    static const QString kTitle;
    void show(const QString& text) override;
};

// The --volume DIR options of the command line (the program's only option).
// Returns false with a French explanation in `error` for anything else.
bool parseCommandLine(const QStringList& arguments, QStringList& volumes, QString& error);
