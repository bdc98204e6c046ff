// Loading the settings file into the image and the window.
#include "app/Form1.h"

#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "options/HomeOptions.h"
#include "radio/FmPage.h"
#include "settings/LoadCheck.h"
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
    // Whether the file is understood is decided on its bytes, before showing
    // them patches the image.
    const SettingsImage loaded = SettingsImage_;
    const LoadCheck check = checkLoadedImage(loaded);

    egaliseur->fillFactoryDefaults();
    Freq_FM->showPresets();

    // Every index out of range is reported, in this order, and the load goes on.
    for (const IndexFieldInfo& field : kIndexFields) {
        OptionGroup* group = optionGroups_[static_cast<std::size_t>(field.id)];
        if (check.inRange(field.id)) {
            group->select(loaded.byte(field.offset));
        } else {
            group->select(0);
            seams_.messages.show(QString::fromUtf8(field.outOfRangeMessage));
            disableWriting();
        }
    }
    home->showContrast();
    if (!check.contrastUnderstood) {
        seams_.messages.show(QString::fromUtf8(kContrastOutOfRange));
        disableWriting();
    }
    srs->showLevels();
    if (!check.srsLevelsUnderstood) {
        disableWriting();
    }
    egaliseur->Combo1_Click();
    egaliseur->maj_fen_aa();
    home->showContrastValue();
    Label10->setText(QStringLiteral("fichier bien chargé"));
}
