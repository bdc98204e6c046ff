#pragma once

#include "FieldLayout.h"
#include "SettingsImage.h"

#include <QStringList>

#include <vector>

// Whether a loaded image is understood, without any window. A load refuses to
// write back a file it did not understand; the window, the command line and
// the fuzzers take these answers from here, so they cannot disagree.

struct LoadCheck {
    std::vector<IndexField> outOfRange; // in the order a load checks them
    bool truBassUnderstood = true;      // the SRS WOW levels hold a player's code
    bool srs3DUnderstood = true;
    bool contrastUnderstood = true; // a level the window can show

    bool srsLevelsUnderstood() const { return truBassUnderstood && srs3DUnderstood; }
    bool writingAllowed() const {
        return outOfRange.empty() && contrastUnderstood && srsLevelsUnderstood();
    }
    bool inRange(IndexField field) const;
    // The messages a load shows for this image, in the order it shows them.
    QStringList messages() const;
    // Those messages, then a line for each SRS WOW level the window refuses
    // to write back without a word.
    QStringList problems() const;
};

// Decided on the bytes just read: showing them in the window may patch the
// image (a bar set to its default writes that default back).
LoadCheck checkLoadedImage(const SettingsImage& image);

// What start-up says of a player's file of the wrong size; nothing for 699 bytes.
QStringList sizeMessages(qint64 size);
// What a load says of a file it cannot read (translated() gives it in the
// user's language).
inline constexpr const char* kUnreadableMessage =
    QT_TRANSLATE_NOOP("Settings", "je ne reconnais pas un OSTREL muni du firmware 2,226");
