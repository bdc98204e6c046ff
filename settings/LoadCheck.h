#pragma once

#include "FieldLayout.h"
#include "SettingsImage.h"

#include <QStringList>

#include <vector>

// Whether a loaded image is understood, without any window. A load refuses to
// write back a file it did not understand; the window and the fuzzers take
// these answers from here, so the two cannot disagree.

struct LoadCheck {
    std::vector<IndexField> outOfRange; // in the order a load checks them
    bool contrastUnderstood = true;     // a level the window can show
    bool srsLevelsUnderstood = true;    // both SRS WOW levels hold a player's code

    bool writingAllowed() const {
        return outOfRange.empty() && contrastUnderstood && srsLevelsUnderstood;
    }
    bool inRange(IndexField field) const;
    // The messages a load shows for this image, in the order it shows them.
    QStringList messages() const;
};

// Decided on the bytes just read: showing them in the window may patch the
// image (a bar set to its default writes that default back).
LoadCheck checkLoadedImage(const SettingsImage& image);
