#include "TextFunctions.h"

QString extrait1(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char(';'));
    return at < 0 ? text : text.left(at);
}

QString restex(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char(';'));
    return at < 0 ? QString() : text.mid(at + 1);
}

QString extrait2(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char(' '));
    return at < 0 ? text : text.left(at);
}
