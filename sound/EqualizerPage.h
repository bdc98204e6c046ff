#pragma once

#include "EqualizerCurves.h"
#include "app/Frame.h"

#include <array>
#include <optional>

class LevelScrollBar;
class OptionGroup;
class QComboBox;
class QLabel;
class QPushButton;
class SettingsImage;
class StatusLine;

// The "Egaliseur" page: the active equalizer preset and the eleven stored curves.
class EqualizerPage : public Frame {
    Q_OBJECT
public:
    EqualizerPage(SettingsImage& image, StatusLine& status, QWidget* parent);

    QComboBox* Combo1;
    std::array<QLabel*, 5> bandCaptions; // Label4 to Label8
    std::array<LevelScrollBar*, 5> VScroll1;
    std::array<QLabel*, 5> Label2;
    QPushButton* def_egal;
    QPushButton* raz_egali;
    QLabel* Label3;
    OptionGroup* Option1;

    // Start-up: the curve names, then "normal" selected.
    void fillCurveList();
    // Loading: the factory levels that "Valeurs par défaut" restores.
    void fillFactoryDefaults();

    // Both show the curve selected in Combo1 on the five bars.
    void Combo1_Click();
    void maj_fen_aa();

    void Option1_Click(int index);  // the active preset
    void VScroll1_Change(int band); // a band of the shown curve moved
    void def_egal_Click();          // "Valeurs par défaut"
    void raz_egali_Click();         // "Mise à normal"
    void Label2_Click(int band);

    // Factory band levels by curve; all 0 until a file has been loaded.
    std::array<CurveLevels, layout::EqualizerCurveCount> EqualizerDefaults{};

private:
    std::optional<int> shownCurve() const;
    void showCurve();
    // Moves a band's bar so that its level is stored through VScroll1_Change.
    void setBand(int band, int level);

    // Bands whose stored level lies beyond the bar's ends: the bar sits at the
    // nearest end, its label tells the true level, and the stored bytes stay as
    // they are until that band is set.
    std::array<bool, layout::EqualizerBandCount> beyondBar_{};

    SettingsImage& image_;
    StatusLine& status_;
};
