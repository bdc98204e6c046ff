// The settings editor exactly as the user starts it, ending once its window
// has painted.
#include "FirstPaint.h"
#include "app/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QuitAfterFirstPaint quit;
    app.installEventFilter(&quit);
    return runSettingsEditor(app);
}
