#pragma once

#include <QRect>
#include <QString>

#include <vector>

// What a screen reader sees of a running program: its visible widgets, read
// over the accessibility bus (AT-SPI), in the order of the widget tree.
struct AccessibleItem {
    QString window;      // the name (title) of the top-level window it lies in
    QString role;        // "push button", "label", "text", "radio button", "alert"...
    QString name;        // the caption for buttons and labels
    QString text;        // the contents of an editable text
    QRect box;           // on the screen
    QString description; // what the mouse's hover help says
    double value = 0;    // a scroll bar's or slider's current value
    bool enabled = true;
    bool checked = false;
    bool focused = false;
};

class AccessibleTree {
public:
    // The showing widgets of the program with that process id; empty when the
    // program is not (yet) known on the bus.
    static std::vector<AccessibleItem> of(qint64 pid);
};

// The n-th item (from 0) of that role and name, if any.
const AccessibleItem* findItem(const std::vector<AccessibleItem>& items, const QString& role,
                               const QString& name, int nth = 0);
