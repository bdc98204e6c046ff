#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace {
const QString kTranslations = QStringLiteral(":/i18n/ostrel-settings_%1.qm");

// The translation built in for `language` ("en-GB", "en"), or none.
bool loadFor(QTranslator& translator, const QString& language) {
    QString name = language;
    name.replace(u'-', u'_');
    while (!name.isEmpty()) {
        if (translator.load(kTranslations.arg(name))) {
            return true;
        }
        name.truncate(std::max<qsizetype>(name.lastIndexOf(u'_'), 0));
    }
    return false;
}
} // namespace

QString installUserLanguage(QCoreApplication& app, const QStringList& languages) {
    static QTranslator translator;
    for (const QString& language : languages) {
        if (language == QLatin1String("C") || language == QLatin1String("POSIX") ||
            language == QLatin1String("fr") || language.startsWith(QLatin1String("fr-")) ||
            language.startsWith(QLatin1String("fr_"))) {
            return QString();
        }
        if (loadFor(translator, language)) {
            app.installTranslator(&translator);
            return translator.language();
        }
    }
    return QString();
}

QString installUserLanguage(QCoreApplication& app) {
    return installUserLanguage(app, QLocale::system().uiLanguages());
}

QString englishText(const char* context, const char* source) {
    static QTranslator english;
    static const bool loaded = loadFor(english, QStringLiteral("en"));
    const QString translated = loaded ? english.translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
