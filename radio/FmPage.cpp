#include "FmPage.h"

#include "app/Colours.h"
#include "app/Controls.h"
#include "app/OptionGroup.h"
#include "app/Seams.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "app/WrappingButton.h"
#include "settings/Codecs.h"
#include "settings/SettingsImage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString kHelp = QStringLiteral(
    "Sélectionnez une des 15 fréquences FM puisSélectionnez votre ville , puis sélectionnez une "
    "station de radio. Vous pouvez alors double-cliquer sur le nom de la station  choisie  pour "
    "transférer la fréquence radio. dans la case sélectionnée. Vous pouvez également modifier à la "
    "main chacune des cases.");

constexpr int rowTop(int row) {
    return 240 + 240 * row;
}
} // namespace

FmPage::FmPage(SettingsImage& image, StatusLine& status, MessageBoxes& messages, QWidget* parent)
    : Frame(QStringLiteral("Fréquences FM"), parent)
    , image_(image)
    , status_(status)
    , messages_(messages) {
    setObjectName(QStringLiteral("Freq_FM"));
    colours::fillBackground(this, colours::kLightCyan);

    QStringList blanks;
    for (int row = 0; row < kPresets; ++row) {
        const int labelIndex = row < 15 ? row : row + 1; // the design has no Label9(15)
        Label9[row] = makeLabel(this, arrayMemberName(QStringLiteral("Label9"), labelIndex),
                                QString(QChar(u'A' + row)), twipsRect(120, rowTop(row), 255, 255));
        Text1[row] = new QLineEdit(QStringLiteral(" "), this);
        Text1[row]->setObjectName(arrayMemberName(QStringLiteral("Text1"), row));
        Text1[row]->setGeometry(twipsRect(480, rowTop(row), 975, 285));
        blanks.append(QStringLiteral(" "));
    }
    Option2 = new OptionGroup(
        IndexField::FmPresetIndex,
        makeOptionArray(this, QStringLiteral("Option2"), blanks,
                        [](int row) { return twipsRect(1560, rowTop(row), 180, 252); }),
        this);
    Option2->button(0)->setChecked(true);

    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(twipsRect(3360, 360, 3132, 315));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsRect(3360, 960, 3132, 3012));

    enreg_f_fm = new WrappingButton(QStringLiteral("    valide les fréquences FM"), this);
    enreg_f_fm->setObjectName(QStringLiteral("enreg_f_fm"));
    enreg_f_fm->setGeometry(twipsRect(1920, 3000, 1215, 855));
    enreg_f_fm->setAutoDefault(false);
    Label16 = makeLabel(this, QStringLiteral("Label16"), kHelp, twipsRect(1920, 3960, 4575, 1335));
}

void FmPage::showPresets() {
    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    for (int preset = 0; preset < kPresets; ++preset) {
        Text1[preset]->setText(
            codec::frequencyText(image_.u24(layout::presetOffset(preset)), decimalPoint));
    }
}

void FmPage::loadStationList(const QString& path) {
    // The station list comes with the FM presets work.
    Q_UNUSED(path);
}
