#include "FmPage.h"

#include "FrequencyInput.h"
#include "StationList.h"
#include "TextFunctions.h"
#include "app/Colours.h"
#include "app/Controls.h"
#include "app/EventHooks.h"
#include "app/OptionGroup.h"
#include "app/Seams.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "app/WrappingButton.h"
#include "settings/Codecs.h"
#include "settings/Fields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const char* const kHelp = QT_TRANSLATE_NOOP(
    "FmPage",
    "Sélectionnez une des 15 fréquences FM puisSélectionnez votre ville , puis sélectionnez une "
    "station de radio. Vous pouvez alors double-cliquer sur le nom de la station  choisie  pour "
    "transférer la fréquence radio. dans la case sélectionnée. Vous pouvez également modifier à la "
    "main chacune des cases.");

constexpr int rowTop(int row) {
    return 240 + 240 * row;
}

const QColor kSelectedBox{0, 255, 255};
const QColor kFilledNextBox{192, 255, 255};
} // namespace

FmPage::FmPage(SettingsImage& image, StatusLine& status, MessageBoxes& messages, QWidget* parent)
    : Frame(tr("Fréquences FM"), parent)
    , image_(image)
    , status_(status)
    , messages_(messages) {
    setObjectName(QStringLiteral("Freq_FM"));
    colours::fillBackground(this, colours::kLightCyan);

    QStringList blanks;
    for (int row = 0; row < kPresets; ++row) {
        const int labelIndex = row < 15 ? row : row + 1; // the design has no Label9(15)
        Label9[row] = makeLabel(this, arrayMemberName(QStringLiteral("Label9"), labelIndex),
                                QString::fromUtf8(captions::kPresetLetters[row]),
                                twipsRect(120, rowTop(row), 255, 255));
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
    // A screen reader tells the twenty boxes and buttons apart by their letter.
    for (int row = 0; row < kPresets; ++row) {
        const QString letter = QString::fromUtf8(captions::kPresetLetters[row]);
        Text1[row]->setAccessibleName(title() + u' ' + letter);
        Option2->button(row)->setAccessibleName(tr("Préréglage écouté %1").arg(letter));
    }

    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setGeometry(twipsRect(3360, 360, 3132, 315));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twipsRect(3360, 960, 3132, 3012));
    Combo2->setAccessibleName(tr("Ville"));
    List1->setAccessibleName(tr("Stations de la ville"));

    enreg_f_fm = new WrappingButton(tr("    valide les fréquences FM"), this);
    enreg_f_fm->setObjectName(QStringLiteral("enreg_f_fm"));
    enreg_f_fm->setGeometry(twipsRect(1920, 3000, 1215, 855));
    enreg_f_fm->setAutoDefault(false);
    Label16 =
        makeLabel(this, QStringLiteral("Label16"), tr(kHelp), twipsRect(1920, 3960, 4575, 1335));

    for (int box = 0; box < kPresets; ++box) {
        whenClicked(Text1[box], [this, box] { Text1_Click(box); });
        // Without a mouse, Return in a box selects it as a click does.
        whenReturnPressed(Text1[box], [this, box] { Text1_Click(box); });
        connect(Text1[box], &QLineEdit::textChanged, this, [this, box] { Text1_Change(box); });
    }
    // The keyboard goes through the page column by column: the boxes, the
    // tuned preset, the button that validates, the city and its stations.
    QWidget::setTabOrder(Option2->button(kPresets - 1), enreg_f_fm);
    QWidget::setTabOrder(enreg_f_fm, Combo2);
    QWidget::setTabOrder(Combo2, List1);
    connect(Option2, &OptionGroup::clicked, this, &FmPage::Option2_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &FmPage::Combo2_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &FmPage::List1_DblClick);
    // Without a mouse, Return on the chosen station does what a double click does.
    whenReturnPressed(List1, [this] { List1_DblClick(); });
    connect(enreg_f_fm, &QPushButton::clicked, this, &FmPage::enreg_f_fm_Click);
}

void FmPage::showPresets() {
    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    for (int preset = 0; preset < kPresets; ++preset) {
        Text1[preset]->setText(codec::frequencyText(presetKHz(image_, preset), decimalPoint));
    }
}

void FmPage::loadStationList(const QString& path) {
    stationListPath_ = path;
    // A missing or unreadable list leaves the city box empty.
    const QStringList cities = stations::readCityItems(path).value_or(QStringList());
    {
        const QSignalBlocker quiet(Combo2);
        Combo2->addItems(cities);
        Combo2->setCurrentIndex(cities.isEmpty() ? -1 : 0);
    }
    if (!cities.isEmpty()) {
        Combo2_Click();
    }
}

void FmPage::Combo2_Click() {
    List1->clear();
    if (Combo2->currentIndex() < 0) {
        return;
    }
    // The file is read again on every choice: only the chosen line is decoded.
    if (const auto items = stations::readStationItems(stationListPath_, Combo2->currentText())) {
        List1->addItems(*items);
    }
}

void FmPage::colourBox(int box, const QColor& colour) {
    colours::fillTextBox(Text1[box], colour);
}

void FmPage::Text1_Click(int box) {
    CurrentPresetBox = box;
    for (int other = 0; other < kPresets; ++other) {
        colourBox(other, Qt::white);
    }
    colourBox(box, kSelectedBox);
}

void FmPage::Text1_Change(int) {
    status_.warnUnsaved();
}

void FmPage::List1_DblClick() {
    const QListWidgetItem* station = List1->currentItem();
    if (station == nullptr) {
        return;
    }
    Text1[CurrentPresetBox]->setText(extrait2(station->text()));
    const int previous = CurrentPresetBox;
    CurrentPresetBox = (CurrentPresetBox + 1) % kPresets;
    colourBox(CurrentPresetBox, kFilledNextBox);
    colourBox(previous, Qt::white);
}

void FmPage::Option2_Click(int preset) {
    status_.warnUnsaved();
    // The last validated frequency of that preset, not the text of its box.
    tunePreset(image_, preset);
}

void FmPage::enreg_f_fm_Click() {
    for (int box = 0; box < kPresets; ++box) {
        const PresetInput input = readPresetFrequency(Text1[box]->text());
        switch (input.kind) {
        case PresetInput::Kind::Unreadable:
            // The number in French, as the window always said it; an English
            // translation may name the box by its letter as well (%2).
            messages_.show(tr("mauvaise valeur pour la fréquence  %1")
                               .arg(QString::number(box + 1),
                                    QString::fromUtf8(captions::kPresetLetters[box])));
            return;
        case PresetInput::Kind::OutOfRange:
            messages_.show(tr("erreur"));
            status_.setText(QString::number(input.kHz));
            break;
        case PresetInput::Kind::Valid:
            storePreset(image_, box, static_cast<std::uint32_t>(input.kHz));
            break;
        }
    }
}
