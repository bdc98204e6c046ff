#pragma once

#include "app/Frame.h"

class OptionGroup;
class SettingsImage;
class StatusLine;

// The "Parametres" page: six option groups of the player's general options.
class OptionsPage : public Frame {
    Q_OBJECT
public:
    OptionsPage(SettingsImage& image, StatusLine& status, QWidget* parent);

    Frame* Frame2;
    OptionGroup* Option3; // repeat mode
    Frame* Frame3;
    OptionGroup* Option4; // recording quality
    Frame* Frame4;
    OptionGroup* Option5; // scrolling speed
    Frame* Frame5;
    OptionGroup* Option6; // automatic switch-off
    Frame* Frame1;
    OptionGroup* Option7; // backlight
    Frame* Frame6;
    OptionGroup* Option8; // USB mode

    void Option3_Click(int index);
    void Option4_Click(int index);
    void Option5_Click(int index);
    void Option6_Click(int index);
    void Option7_Click(int index);
    void Option8_Click(int index);

private:
    void store(const OptionGroup* group);

    SettingsImage& image_;
    StatusLine& status_;
};
