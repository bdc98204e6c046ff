#pragma once

#include "settings/FieldLayout.h"

#include <QStringList>

#include <array>

// The eleven equalizer curves the player stores, in the order of the curve
// selector and of the stored curves: as the command line names them, in
// French whatever the language, and as the selector shows them.
QStringList equalizerCurveNames();
QStringList shownCurveNames();

// Factory band levels (62, 250, 1K, 4K and 16K) of each stored curve.
using CurveLevels = std::array<int, layout::EqualizerBandCount>;
inline constexpr std::array<CurveLevels, layout::EqualizerCurveCount> kFactoryCurves{{
    {0, 0, 0, 0, 0},      // normal
    {12, -2, -4, 0, 8},   // jazz
    {-4, 8, 8, -2, 0},    // pop
    {18, -4, -2, 14, 14}, // rock
    {8, 8, 8, -3, 0},     // classique
    {12, 12, 2, -7, -12}, // extrème basses
    {16, -2, 0, 13, 14},  // techno
    {14, 12, 10, -3, -2}, // danse
    {-3, 7, 7, 5, 2},     // live
    {0, -3, -1, 7, 0},    // Reggae
    {0, 0, 0, 0, 0},      // perso
}};
