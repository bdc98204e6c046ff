#pragma once

#include "settings/FieldLayout.h"

#include <QList>
#include <QObject>

class QButtonGroup;
class QRadioButton;
class SettingsImage;

// An option array whose setting the player keeps as one byte: the index of
// the selected button.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(IndexField field, const QList<QRadioButton*>& buttons, QObject* parent);

    IndexField field() const { return field_; }
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const { return buttons_.at(index); }

    // The index of the selected button, found by looking at every button; -1 when none is.
    int selectedIndex() const;
    // Selects a button from code; like a click, `clicked` follows when the selection changes.
    void select(int index);
    // Writes the selected index into the field's byte.
    void storeSelection(SettingsImage& image) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A button became the selected one, by the user or from code, or the
    // user clicked the one already selected.
    void clicked(int index);

private:
    IndexField field_;
    QList<QRadioButton*> buttons_;
    QButtonGroup* group_;
    bool pressedSelected_ = false; // the button being pressed was already selected
};
