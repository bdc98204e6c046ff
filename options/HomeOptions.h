#pragma once

#include <QObject>

class LevelScrollBar;
class OptionGroup;
class Frame;
class QLabel;
class QWidget;
class SettingsImage;
class StatusLine;

// The two settings of the home page: the A<>B-Rec key and the contrast.
class HomeOptions : public QObject {
    Q_OBJECT
public:
    HomeOptions(SettingsImage& image, StatusLine& status, QWidget* window);

    Frame* Frame13;
    OptionGroup* Option11; // A<>B-Rec key
    Frame* Frame8;
    LevelScrollBar* VScroll2; // contrast
    QLabel* Label1;

    // Loading: the bar shows the stored contrast, or the middle when the
    // stored byte is out of range.
    void showContrast();
    // Label1 shows the bar's value.
    void showContrastValue();

    void Option11_Click(int index);
    void VScroll2_Change();

private:
    SettingsImage& image_;
    StatusLine& status_;
};
