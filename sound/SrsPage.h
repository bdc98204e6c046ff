#pragma once

#include "app/Frame.h"
#include "settings/FieldLayout.h"

class LevelScrollBar;
class OptionGroup;
class QLabel;
class SettingsImage;
class StatusLine;

// The "WOW-SRS" page: TruBass and 3D levels, headphone type and focus.
class SrsPage : public Frame {
    Q_OBJECT
public:
    SrsPage(SettingsImage& image, StatusLine& status, QWidget* parent);

    Frame* Frame11;
    LevelScrollBar* VScroll3; // TruBass
    QLabel* Label15;
    Frame* Frame12;
    LevelScrollBar* VScroll4; // 3D
    QLabel* Label17;
    Frame* Frame7;
    OptionGroup* Option9; // headphone type
    Frame* Frame10;
    OptionGroup* Option10; // focus

    // Loading: each bar shows its stored level, or the middle when the stored
    // code is not one of the player's; its label shows the bar.
    void showLevels();

    void VScroll3_Change(); // TruBass
    void VScroll4_Change(); // 3D
    void Option9_Click(int index);
    void Option10_Click(int index);

private:
    // Shows a level bar's value and stores its code; the status line is left alone.
    void storeBarLevel(const LevelScrollBar* bar, QLabel* label, LevelField field);

    SettingsImage& image_;
    StatusLine& status_;
};
