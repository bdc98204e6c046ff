#pragma once

#include "player/History.h"
#include "settings/SettingsImage.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

// The history of the player's file in the window: what each write replaced,
// newest first, with when it was kept and the settings in which it differs
// from what the window shows now (by caption and value). The chosen entry
// can be put back; damaged entries are listed but cannot be chosen.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(const QList<HistoryEntry>& entries, const SettingsImage& shown,
                  const QPalette& palette, QWidget* parent);

    QTreeWidget* list;
    QPushButton* restore; // "Remettre sur l'ostrel"
    QPushButton* closeButton;

    // When the entry was kept, in local time, as the window says it.
    static QString keptText(const HistoryEntry& entry);
    // What putting it back would change in the window.
    static QString changesText(const HistoryEntry& entry, const SettingsImage& shown);

signals:
    void restoreRequested(const HistoryEntry& entry);

private:
    QList<HistoryEntry> entries_;
};
