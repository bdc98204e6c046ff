#include "OptionGroup.h"

#include "settings/SettingsImage.h"

#include <QButtonGroup>
#include <QRadioButton>

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
        image.setByte(fieldInfo(field_).offset, static_cast<std::uint8_t>(index));
    }
}
