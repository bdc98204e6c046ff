#pragma once

#include "Seams.h"

class QWidget;

// The folders given with --volume, in the order given, then the mounted
// volumes that are valid and ready, sorted by root path.
class SystemVolumes : public VolumeList {
public:
    explicit SystemVolumes(QStringList extraFolders);
    QStringList roots() const override;

private:
    QStringList extraFolders_;
};

class DialogMessages : public MessageBoxes {
public:
    static const QString kTitle;
    void show(const QString& text) override;
};

// The --volume DIR options of the command line (the program's only option).
// Returns false with a French explanation in `error` for anything else.
bool parseCommandLine(const QStringList& arguments, QStringList& volumes, QString& error);
