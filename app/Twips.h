#pragma once

#include <QRect>

// The window is designed in twips; at 96 dots per inch 15 twips make one pixel.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
