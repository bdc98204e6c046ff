#include "OptionGroup.h"

#include "settings/Fields.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QRadioButton>

#include <utility>

OptionGroup::OptionGroup(IndexField field, const QList<QRadioButton*>& buttons, QObject* parent)
    : QObject(parent)
    , field_(field)
    , buttons_(buttons)
    , group_(new QButtonGroup(this)) {
    for (int index = 0; index < buttons_.size(); ++index) {
        group_->addButton(buttons_[index], index);
        buttons_[index]->installEventFilter(this);
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

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    // Tab enters the group on its selected button, as desktops do; Qt would
    // land on the first one.
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const int selected = selectedIndex();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && selected >= 0 &&
            watched != buttons_[selected]) {
            buttons_[selected]->setFocus(reason);
        }
    }
    return QObject::eventFilter(watched, event);
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
