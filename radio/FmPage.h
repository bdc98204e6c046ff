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

    void Combo2_Click();            // a city chosen: its stations in List1
    void Text1_Click(int box);      // a box selected
    void Text1_Change(int box);     // a box's text changed
    void List1_DblClick();          // a station's frequency into the selected box
    void Option2_Click(int preset); // the tuned preset
    void enreg_f_fm_Click();        // the typed frequencies into the image

    // The box a station goes into; 0 when the window opens.
    int CurrentPresetBox = 0;

private:
    void colourBox(int box, const QColor& colour);

    QString stationListPath_;
    SettingsImage& image_;
    StatusLine& status_;
    MessageBoxes& messages_;
};
