#include "EqualizerPage.h"

#include "EqualizerCurves.h"
#include "app/Colours.h"
#include "app/Controls.h"
#include "app/EventHooks.h"
#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "settings/Codecs.h"
#include "settings/Fields.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
constexpr std::array<int, 5> kBandLefts{240, 720, 1200, 1680, 2160};
}

EqualizerPage::EqualizerPage(SettingsImage& image, StatusLine& status, QWidget* parent)
    : Frame(tr("Egaliseur"), parent)
    , image_(image)
    , status_(status) {
    setObjectName(QStringLiteral("egaliseur"));
    colours::fillBackground(this, colours::kLightMagenta);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(120, 240, 2655, 315));
    Combo1->setAccessibleName(tr("Courbe de l'égaliseur"));

    // The band captions and level labels are centred on their bar but reach
    // 4 px beyond it on each side: at the window's font "16K" is exactly as
    // wide as the bar, and its edges would touch the label's. The text stands
    // where the design puts it.
    const QStringList bandNames{"62", "250", "1K", "4K", "16K"};
    const QStringList bandsSpoken{"62 Hz", "250 Hz", "1 kHz", "4 kHz", "16 kHz"};
    for (int band = 0; band < 5; ++band) {
        const int left = kBandLefts[static_cast<std::size_t>(band)];
        bandCaptions[band] =
            makeLabel(this, QStringLiteral("Label%1").arg(4 + band), bandNames[band],
                      twipsRect(left - 60, 600, 420, 255), LabelStyle::Centred);
        VScroll1[band] = new LevelScrollBar(20, -12, 0, bandsSpoken[band], this);
        VScroll1[band]->setObjectName(arrayMemberName(QStringLiteral("VScroll1"), band));
        VScroll1[band]->setGeometry(twipsRect(left, 840, 300, 3500));
        Label2[band] =
            makeLabel(this, arrayMemberName(QStringLiteral("Label2"), band), QStringLiteral("_"),
                      twipsRect(left - 60, 4560, 420, 255), LabelStyle::Centred);
    }

    def_egal = makeButton(this, QStringLiteral("def_egal"), tr("Valeurs par défaut"),
                          twipsRect(2640, 840, 1695, 615));
    raz_egali = makeButton(this, QStringLiteral("raz_egali"), tr("Mise à normal"),
                           twipsRect(2640, 1560, 1695, 615));

    Label3 = makeLabel(this, QStringLiteral("Label3"), tr("Egaliseur actif"),
                       twipsRect(4800, 240, 1695, 375));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);

    Option1 = new OptionGroup(
        IndexField::EqualizerMode,
        makeOptionArray(this, QStringLiteral("Option1"), shownCaptions(IndexField::EqualizerMode),
                        [](int i) { return twipsRect(4800, 600 + 360 * i, 1815, 255); }),
        this);
    Option1->button(0)->setChecked(true);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &EqualizerPage::Combo1_Click);
    connect(Option1, &OptionGroup::clicked, this, &EqualizerPage::Option1_Click);
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        connect(VScroll1[band], &LevelScrollBar::levelChanged, this,
                [this, band] { VScroll1_Change(band); });
        whenClicked(Label2[band], [this, band] { Label2_Click(band); });
    }
    connect(def_egal, &QPushButton::clicked, this, &EqualizerPage::def_egal_Click);
    connect(raz_egali, &QPushButton::clicked, this, &EqualizerPage::raz_egali_Click);
}

void EqualizerPage::fillCurveList() {
    {
        // Filled quietly; choosing the first entry then shows it, once.
        const QSignalBlocker quiet(Combo1);
        Combo1->addItems(shownCurveNames());
        Combo1->setCurrentIndex(0);
    }
    Combo1_Click();
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

std::optional<int> EqualizerPage::shownCurve() const {
    const int curve = Combo1->currentIndex();
    if (curve < 0 || curve >= layout::EqualizerCurveCount) {
        return std::nullopt; // the list is not filled yet
    }
    return curve;
}

void EqualizerPage::showCurve() {
    const std::optional<int> curve = shownCurve();
    if (!curve) {
        return;
    }
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        const int level = bandLevelAt(image_, *curve, band);
        beyondBar_[band] = !codec::bandShowable(level);
        if (beyondBar_[band]) {
            VScroll1[band]->setLevelQuietly(level);
        } else {
            VScroll1[band]->setLevel(level); // stores the band when the bar moves
        }
        Label2[band]->setText(QString::number(level));
    }
}

void EqualizerPage::Option1_Click(int) {
    status_.warnUnsaved();
    Option1->storeSelection(image_);
}

void EqualizerPage::VScroll1_Change(int band) {
    const int level = VScroll1[band]->level();
    Label2[band]->setText(QString::number(level));
    status_.warnUnsaved();
    if (const std::optional<int> curve = shownCurve()) {
        storeBand(image_, *curve, band, level);
        beyondBar_[band] = false;
    }
}

void EqualizerPage::setBand(int band, int level) {
    if (beyondBar_[band] && VScroll1[band]->level() == level) {
        VScroll1_Change(band); // the bar shows the level, the stored bytes do not
    } else {
        VScroll1[band]->setLevel(level);
    }
}

void EqualizerPage::def_egal_Click() {
    const std::optional<int> curve = shownCurve();
    if (!curve) {
        return;
    }
    const CurveLevels& defaults = EqualizerDefaults[static_cast<std::size_t>(*curve)];
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        setBand(band, defaults[static_cast<std::size_t>(band)]);
    }
}

void EqualizerPage::raz_egali_Click() {
    for (int band = 0; band < layout::EqualizerBandCount; ++band) {
        setBand(band, 0);
    }
}

void EqualizerPage::Label2_Click(int) {
    status_.warnUnsaved();
}
