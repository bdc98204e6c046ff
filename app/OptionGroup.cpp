#include "OptionGroup.h"

#include "settings/Fields.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <utility>

OptionGroup::OptionGroup(IndexField field, const QList<QRadioButton*>& buttons, QObject* parent)
    : QObject(parent)
    , field_(field)
    , buttons_(buttons)
    , group_(new QButtonGroup(this)) {
    for (int index = 0; index < buttons_.size(); ++index) {
        group_->addButton(buttons_[index], index);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            emit clicked(index);
        }
    });
    // A click on the button already selected changes nothing Qt reports, but
    // it is still a click: the FM page, for one, copies the preset's newly
    // validated frequency then.
    connect(group_, &QButtonGroup::idPressed, this,
            [this](int index) { pressedSelected_ = buttons_.at(index)->isChecked(); });
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        if (std::exchange(pressedSelected_, false)) {
            emit clicked(index);
        }
    });
}

int OptionGroup::selectedIndex() const {
    for (int index = 0; index < buttons_.size(); ++index) {
        if (buttons_[index]->isChecked()) {
            return index;
        }
    }
    return -1;
}

void OptionGroup::select(int index) {
    buttons_.at(index)->setChecked(true);
}

void OptionGroup::storeSelection(SettingsImage& image) const {
    const int index = selectedIndex();
    if (index >= 0) {
        storeOption(image, field_, index);
    }
}
