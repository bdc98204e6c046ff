// Loading the settings file into the image and the window.
#include "app/Form1.h"

#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "radio/FmPage.h"
#include "settings/SettingsFile.h"
#include "sound/EqualizerPage.h"
#include "sound/SrsPage.h"

void Form1::fin_init() {
    // The whole file is read before anything changes: a file that cannot be
    // read leaves the image and the window as they were.
    const std::optional<QByteArray> bytes = readSettingsFile(SettingsPath);
    if (!bytes) {
        disableWriting();
        seams_.messages.show(
            QStringLiteral("je ne reconnais pas un OSTREL muni du firmware 2,226"));
        return;
    }
    SettingsImage_.load(*bytes);

    egaliseur->fillFactoryDefaults();
    Freq_FM->showPresets();

    // Every index out of range is reported, in this order, and the load goes on.
    for (const IndexFieldInfo& field : kIndexFields) {
        OptionGroup* group = optionGroups_[static_cast<std::size_t>(field.id)];
        const int stored = SettingsImage_.byte(field.offset);
        if (stored > field.maximum) {
            group->select(0);
            seams_.messages.show(QString::fromUtf8(field.outOfRangeMessage));
            disableWriting();
        } else {
            group->select(stored);
        }
    }
    if (!home->showContrast()) {
        seams_.messages.show(QString::fromUtf8(kContrastOutOfRange));
        disableWriting();
    }
    if (!srs->showLevels()) {
        disableWriting();
    }
    egaliseur->Combo1_Click();
    egaliseur->maj_fen_aa();
    home->showContrastValue();
    Label10->setText(QStringLiteral("fichier bien chargé"));
}
