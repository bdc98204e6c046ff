// The benchmarks that need widgets, headless unless a platform is chosen.
#include "RatioReport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv) {
    // Headless unless a platform is chosen; the programs the start-up
    // benchmark launches inherit both settings.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QTemporaryDir runtime; // private to its user, as Qt wants it
    ::setenv("XDG_RUNTIME_DIR", qPrintable(runtime.path()), 0);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    return runBenchmarksWithRatios(argc, argv);
}
