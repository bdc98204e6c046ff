#include "OptionsPage.h"

#include "app/Colours.h"
#include "app/Controls.h"
#include "app/OptionGroup.h"
#include "app/StatusLine.h"
#include "app/Twips.h"
#include "settings/Fields.h"

#include <QRadioButton>

namespace {
// One option group in its own frame, buttons one under the other.
Frame* makeOptionFrame(QWidget* page, const QString& frameName, const QRect& place,
                       IndexField field, OptionGroup*& group) {
    Frame* frame = makeFrame(page, frameName, translated(fieldInfo(field).caption), place);
    group = new OptionGroup(
        field,
        makeOptionArray(frame, QString::fromUtf8(fieldInfo(field).control), shownCaptions(field),
                        [](int i) { return twipsRect(120, 300 + 300 * i, 2055, 255); }),
        page);
    return frame;
}
} // namespace

OptionsPage::OptionsPage(SettingsImage& image, StatusLine& status, QWidget* parent)
    : Frame(tr("Parametres"), parent)
    , image_(image)
    , status_(status) {
    setObjectName(QStringLiteral("parametre"));
    colours::fillSystemBackground(this);

    Frame2 = makeOptionFrame(this, "Frame2", twipsRect(0, 240, 2295, 2535), IndexField::RepeatMode,
                             Option3);
    Frame3 = makeOptionFrame(this, "Frame3", twipsRect(2280, 240, 2295, 2535),
                             IndexField::RecordQuality, Option4);
    Frame4 = makeOptionFrame(this, "Frame4", twipsRect(4560, 240, 2295, 2535),
                             IndexField::ScrollSpeed, Option5);
    Frame5 = makeOptionFrame(this, "Frame5", twipsRect(0, 2760, 2295, 2295),
                             IndexField::AutoOffDelay, Option6);
    Frame1 = makeOptionFrame(this, "Frame1", twipsRect(2280, 2760, 2295, 2295),
                             IndexField::BacklightDelay, Option7);
    Frame6 = makeOptionFrame(this, "Frame6", twipsRect(4560, 2760, 2295, 2295), IndexField::UsbMode,
                             Option8);

    connect(Option3, &OptionGroup::clicked, this, &OptionsPage::Option3_Click);
    connect(Option4, &OptionGroup::clicked, this, &OptionsPage::Option4_Click);
    connect(Option5, &OptionGroup::clicked, this, &OptionsPage::Option5_Click);
    connect(Option6, &OptionGroup::clicked, this, &OptionsPage::Option6_Click);
    connect(Option7, &OptionGroup::clicked, this, &OptionsPage::Option7_Click);
    connect(Option8, &OptionGroup::clicked, this, &OptionsPage::Option8_Click);
}

void OptionsPage::store(const OptionGroup* group) {
    group->storeSelection(image_);
    status_.warnUnsaved();
}

void OptionsPage::Option3_Click(int) {
    store(Option3);
}
void OptionsPage::Option4_Click(int) {
    store(Option4);
}
void OptionsPage::Option5_Click(int) {
    store(Option5);
}
void OptionsPage::Option6_Click(int) {
    store(Option6);
}
void OptionsPage::Option7_Click(int) {
    store(Option7);
}
void OptionsPage::Option8_Click(int) {
    store(Option8);
}
