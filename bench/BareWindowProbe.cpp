// The least a Qt Widgets program does to show a window of the editor's size,
// ending once it has painted: what the editor's start-up is measured against.
// With --caption the window also shows one line of text, which is what
// drawing any text costs (the font configuration, shaping and rasterising).
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitAfterFirstPaint quit;
    app.installEventFilter(&quit);
    QWidget window;
    window.setFixedSize(455, 494);
    if (QApplication::arguments().contains(QStringLiteral("--caption"))) {
        (new QLabel(QStringLiteral("Paramètrage ostrel"), &window))->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}
