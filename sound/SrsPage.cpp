#include "SrsPage.h"

#include "app/Colours.h"
#include "app/Controls.h"
#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "settings/Fields.h"

#include <QLabel>
#include <QRadioButton>

#include <tuple>

SrsPage::SrsPage(SettingsImage& image, StatusLine& status, QWidget* parent)
    : Frame(tr("WOW-SRS"), parent)
    , image_(image)
    , status_(status) {
    setObjectName(QStringLiteral("srs"));
    colours::fillBackground(this, colours::kLightRed);

    // Each bar is named after its frame.
    Frame11 = makeFrame(this, QStringLiteral("Frame11"),
                        translated(levelInfo(LevelField::TruBass).caption),
                        twipsRect(120, 240, 2055, 3615));
    VScroll3 = new LevelScrollBar(10, 0, 5, Frame11->title(), Frame11);
    VScroll3->setObjectName(QStringLiteral("VScroll3"));
    VScroll3->setGeometry(twipsRect(120, 480, 735, 2655));
    Label15 = makeLabel(Frame11, QStringLiteral("Label15"), QStringLiteral(" "),
                        twipsRect(240, 3240, 375, 255), LabelStyle::Centred);

    Frame12 =
        makeFrame(this, QStringLiteral("Frame12"), translated(levelInfo(LevelField::Srs3D).caption),
                  twipsRect(2160, 240, 2295, 3615));
    VScroll4 = new LevelScrollBar(10, 0, 5, Frame12->title(), Frame12);
    VScroll4->setObjectName(QStringLiteral("VScroll4"));
    VScroll4->setGeometry(twipsRect(240, 480, 735, 2655));
    Label17 = makeLabel(Frame12, QStringLiteral("Label17"), QString(),
                        twipsRect(480, 3240, 375, 255), LabelStyle::Centred);

    Frame7 = makeFrame(this, QStringLiteral("Frame7"),
                       translated(fieldInfo(IndexField::HeadphoneType).caption),
                       twipsRect(4440, 240, 2295, 3615));
    Option9 = new OptionGroup(
        IndexField::HeadphoneType,
        makeOptionArray(Frame7, QStringLiteral("Option9"), shownCaptions(IndexField::HeadphoneType),
                        [](int i) { return twipsRect(120, 360 + 360 * i, 2055, 255); }),
        this);

    Frame10 = makeFrame(this, QStringLiteral("Frame10"),
                        translated(fieldInfo(IndexField::SrsFocus).caption),
                        twipsRect(120, 3960, 6495, 975));
    Option10 = new OptionGroup(
        IndexField::SrsFocus,
        makeOptionArray(Frame10, QStringLiteral("Option10"), shownCaptions(IndexField::SrsFocus),
                        [](int i) { return twipsRect(240 + 1560 * i, 360, 1455, 255); }),
        this);

    connect(VScroll3, &LevelScrollBar::levelChanged, this, &SrsPage::VScroll3_Change);
    connect(VScroll4, &LevelScrollBar::levelChanged, this, &SrsPage::VScroll4_Change);
    connect(Option9, &OptionGroup::clicked, this, &SrsPage::Option9_Click);
    connect(Option10, &OptionGroup::clicked, this, &SrsPage::Option10_Click);
}

void SrsPage::storeBarLevel(const LevelScrollBar* bar, QLabel* label, LevelField field) {
    label->setText(QString::number(bar->level()));
    storeLevel(image_, field, bar->level());
}

void SrsPage::VScroll3_Change() {
    storeBarLevel(VScroll3, Label15, LevelField::TruBass);
}

void SrsPage::VScroll4_Change() {
    storeBarLevel(VScroll4, Label17, LevelField::Srs3D);
}

void SrsPage::Option9_Click(int) {
    status_.warnUnsaved();
    Option9->storeSelection(image_);
}

void SrsPage::Option10_Click(int) {
    Option10->storeSelection(image_);
}

void SrsPage::showLevels() {
    for (const auto& [bar, label, field] : {std::tuple{VScroll3, Label15, LevelField::TruBass},
                                            std::tuple{VScroll4, Label17, LevelField::Srs3D}}) {
        bar->setLevel(levelOf(image_, field).value_or(5));
        label->setText(QString::number(bar->level()));
    }
}
