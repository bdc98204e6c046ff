#include "EqualizerPage.h"

#include "EqualizerCurves.h"
#include "app/Colours.h"
#include "app/Controls.h"
#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "settings/Codecs.h"
#include "settings/SettingsImage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr std::array<int, 5> kBandLefts{240, 720, 1200, 1680, 2160};
}

EqualizerPage::EqualizerPage(SettingsImage& image, StatusLine& status, QWidget* parent)
    : Frame(QStringLiteral("Egaliseur"), parent)
    , image_(image)
    , status_(status) {
    setObjectName(QStringLiteral("egaliseur"));
    colours::fillBackground(this, colours::kLightMagenta);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(120, 240, 2655, 315));

    const QStringList bandNames{"62", "250", "1K", "4K", "16K"};
    for (int band = 0; band < 5; ++band) {
        const int left = kBandLefts[static_cast<std::size_t>(band)];
        bandCaptions[band] =
            makeLabel(this, QStringLiteral("Label%1").arg(4 + band), bandNames[band],
                      twipsRect(left - 60, 600, 420, 255), LabelStyle::Centred);
        VScroll1[band] = new LevelScrollBar(20, -12, 0, this);
        VScroll1[band]->setObjectName(arrayMemberName(QStringLiteral("VScroll1"), band));
        VScroll1[band]->setGeometry(twipsRect(left, 840, 300, 3500));
        Label2[band] =
            makeLabel(this, arrayMemberName(QStringLiteral("Label2"), band), QStringLiteral("_"),
                      twipsRect(left - 60, 4560, 420, 255), LabelStyle::Centred);
    }

    def_egal = makeButton(this, QStringLiteral("def_egal"), QStringLiteral("Valeurs par défaut"),
                          twipsRect(2640, 840, 1695, 615));
    raz_egali = makeButton(this, QStringLiteral("raz_egali"), QStringLiteral("Mise à normal"),
                           twipsRect(2640, 1560, 1695, 615));

    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Egaliseur actif"),
                       twipsRect(4800, 240, 1695, 375));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);

    const QStringList presets{"Normal",         "Jazz",          "Pop",       "Rock",
                              "Classique",      "Extrême basse", "Techno",    "Dance",
                              "Live (concert)", "Reggae",        "Personnel", "Auto"};
    Option1 = new OptionGroup(
        IndexField::EqualizerMode,
        makeOptionArray(this, QStringLiteral("Option1"), presets,
                        [](int i) { return twipsRect(4800, 600 + 360 * i, 1815, 255); }),
        this);
    Option1->button(0)->setChecked(true);
}

void EqualizerPage::fillCurveList() {
    Combo1->addItems(equalizerCurveNames());
    Combo1->setCurrentIndex(0);
}

void EqualizerPage::fillFactoryDefaults() {
    EqualizerDefaults = kFactoryCurves;
}

void EqualizerPage::Combo1_Click() {
    showCurve();
}

void EqualizerPage::maj_fen_aa() {
    showCurve();
}

void EqualizerPage::showCurve() {
    const int curve = Combo1->currentIndex();
    if (curve < 0 || curve >= layout::EqualizerCurveCount) {
        return;
    }
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        const int level = codec::bandLevel(image_.byte(layout::bandOffset(curve, band)));
        VScroll1[band]->setLevel(level);
        Label2[band]->setText(QString::number(level));
    }
}
