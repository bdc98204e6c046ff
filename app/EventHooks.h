#pragma once

#include <QEvent>

#include <functional>
#include <initializer_list>

class QWidget;

// Runs `handler` whenever `widget` receives an event of one of `types`; the
// event then goes on to the widget as usual. Used for the hover help and for
// clicks on labels and text boxes.
void whenEvent(QWidget* widget, std::initializer_list<QEvent::Type> types,
               std::function<void()> handler);

// A click: the left button released over the widget.
void whenClicked(QWidget* widget, std::function<void()> handler);

// Return or Enter pressed while `widget` has the focus; the key goes no
// further.
void whenReturnPressed(QWidget* widget, std::function<void()> handler);

class QPushButton;
// Return and Enter press a focused push button, as Space does. (Qt's own
// buttons take Return only as a dialog's default button.)
void pressOnReturn(QPushButton* button);
