#pragma once

#include <QLabel>

// Label10: the line under the buttons where edits warn that the player does
// not have them yet, and loading, writing and saving say how they went.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    static const QString kUnsavedWarning; // in French, the source text

    explicit StatusLine(QWidget* parent);
    void warnUnsaved(); // in the user's language
    // ostrelctl wrote `settings` to the player through the window; the
    // warning stays when edits remain unsaved.
    void sayOutsideWrite(const QStringList& settings, bool unsaved);
};
