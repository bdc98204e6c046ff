#pragma once

#include "Seams.h"

class QWidget;

class DialogMessages : public MessageBoxes {
public:
    static const char* const kTitle; // before translation
    void show(const QString& text) override;
    bool ask(const QString& question) override;
};
