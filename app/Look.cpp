#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void applyProgramLook(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // A narrow sans-serif at 11 pixels (8.25 points at 96 dpi) keeps every
    // caption inside its control, whatever the screen's dpi.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPixelSize(11);
    app.setFont(font);
}
