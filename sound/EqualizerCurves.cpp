#include "EqualizerCurves.h"

#include <QCoreApplication>

namespace {
const char* const kCurveNames[] = {
    QT_TRANSLATE_NOOP("EqualizerCurves", "normal"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "jazz"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "pop"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "rock"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "classique"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "extrème basses"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "techno"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "danse"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "live"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "Reggae"),
    QT_TRANSLATE_NOOP("EqualizerCurves", "perso"),
};
} // namespace

QStringList equalizerCurveNames() {
    QStringList names;
    for (const char* name : kCurveNames) {
        names.append(QString::fromUtf8(name));
    }
    return names;
}

QStringList shownCurveNames() {
    QStringList names;
    for (const char* name : kCurveNames) {
        names.append(QCoreApplication::translate("EqualizerCurves", name));
    }
    return names;
}
