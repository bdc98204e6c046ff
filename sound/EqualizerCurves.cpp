#include "EqualizerCurves.h"

QStringList equalizerCurveNames() {
    return {QStringLiteral("normal"), QStringLiteral("jazz"),      QStringLiteral("pop"),
            QStringLiteral("rock"),   QStringLiteral("classique"), QStringLiteral("extrème basses"),
            QStringLiteral("techno"), QStringLiteral("danse"),     QStringLiteral("live"),
            QStringLiteral("Reggae"), QStringLiteral("perso")};
}
