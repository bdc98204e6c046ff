#pragma once

#include "app/Frame.h"

#include <array>

class MessageBoxes;
class OptionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SettingsImage;
class StatusLine;

// The "Fréquences FM" page: the twenty presets, the tuned preset and the
// city/station list that fills them.
class FmPage : public Frame {
    Q_OBJECT
public:
    static constexpr int kPresets = 20;

    FmPage(SettingsImage& image, StatusLine& status, MessageBoxes& messages, QWidget* parent);

    // Row k's letter; its control index is k up to 14 and k + 1 from row 15 on.
    std::array<QLabel*, kPresets> Label9;
    std::array<QLineEdit*, kPresets> Text1;
    OptionGroup* Option2; // the tuned preset
    QComboBox* Combo2;    // cities
    QListWidget* List1;   // stations of the chosen city
    QPushButton* enreg_f_fm;
    QLabel* Label16;

    // Loading: each preset's frequency in MHz, with the locale's decimal separator.
    void showPresets();

    // Start-up: one Combo2 entry per city of the station list, then the first city chosen.
    void loadStationList(const QString& path);

private:
    SettingsImage& image_;
    StatusLine& status_;
    MessageBoxes& messages_;
};
