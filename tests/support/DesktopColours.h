#pragma once

#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

// The colours of desktops the window must stay readable on.

// WCAG 2 relative luminance and contrast ratio.
inline double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
inline double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme's colours, as GTK's Adwaita dark gives them.
inline QPalette darkPalette() {
    QPalette dark(QColor("#eeeeec"), QColor("#353535"), QColor("#4a4a4a"), QColor("#1e1e1e"),
                  QColor("#2d2d2d"), QColor("#eeeeec"), QColor("#ffffff"), QColor("#2d2d2d"),
                  QColor("#353535"));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor("#919190"));
    }
    return dark;
}
