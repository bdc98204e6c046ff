#include "HomeOptions.h"

#include "app/Controls.h"
#include "app/LevelScrollBar.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "settings/Fields.h"

#include "app/Frame.h"
#include <QLabel>
#include <QRadioButton>

HomeOptions::HomeOptions(SettingsImage& image, StatusLine& status, QWidget* window)
    : QObject(window)
    , image_(image)
    , status_(status) {
    Frame13 = makeFrame(window, QStringLiteral("Frame13"),
                        translated(fieldInfo(IndexField::AbRecKeyFunction).caption),
                        twipsRect(120, 3840, 2295, 2895));
    Option11 = new OptionGroup(
        IndexField::AbRecKeyFunction,
        makeOptionArray(Frame13, QStringLiteral("Option11"),
                        shownCaptions(IndexField::AbRecKeyFunction),
                        [](int i) { return twipsRect(120, 360 + 240 * i, 2115, 375); }),
        this);

    // The bar is named after its frame.
    Frame8 = makeFrame(window, QStringLiteral("Frame8"),
                       translated(levelInfo(LevelField::Contrast).caption),
                       twipsRect(2400, 3840, 2175, 2895));
    VScroll2 = new LevelScrollBar(10, 0, 5, Frame8->title(), Frame8);
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    VScroll2->setGeometry(twipsRect(240, 360, 375, 2055));
    Label1 = makeLabel(Frame8, QStringLiteral("Label1"), QString(), twipsRect(240, 2520, 375, 255),
                       LabelStyle::BorderedCentred);

    connect(Option11, &OptionGroup::clicked, this, &HomeOptions::Option11_Click);
    connect(VScroll2, &LevelScrollBar::levelChanged, this, &HomeOptions::VScroll2_Change);
}

void HomeOptions::Option11_Click(int) {
    Option11->storeSelection(image_);
    status_.warnUnsaved();
}

void HomeOptions::VScroll2_Change() {
    showContrastValue();
    status_.warnUnsaved();
    storeLevel(image_, LevelField::Contrast, VScroll2->level());
}

void HomeOptions::showContrast() {
    VScroll2->setLevel(levelOf(image_, LevelField::Contrast).value_or(5));
}

void HomeOptions::showContrastValue() {
    Label1->setText(QString::number(VScroll2->level()));
}
