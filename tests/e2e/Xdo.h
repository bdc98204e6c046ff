#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

// Real input events on the test display, through xdotool.
namespace xdo {

// Moves the pointer there (screen coordinates) and clicks the left button.
void click(QPoint at);
// Types text into whatever has the keyboard focus.
void type(const QString& text);
// Presses and releases a key, by its X name ("Return", "ctrl+a").
void key(const QString& name);
// Gives a window the keyboard focus, as a window manager does (no pointer
// event is sent).
void focusWindow(const QString& id);
// The ids of the mapped windows whose title matches the regular expression.
QStringList windowsNamed(const QString& pattern);

} // namespace xdo
