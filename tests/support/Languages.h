#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>

// The built-in translation into `language` ("en"), installed while this
// lives; without one (French, the source texts) nothing is installed.
class InLanguage {
public:
    explicit InLanguage(const QString& language) {
        if (!language.isEmpty() &&
            translator_.load(QStringLiteral(":/i18n/ostrel-settings_%1.qm").arg(language))) {
            QCoreApplication::installTranslator(&translator_);
        }
    }
    ~InLanguage() { QCoreApplication::removeTranslator(&translator_); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
    bool loaded() const { return !translator_.isEmpty(); }

private:
    QTranslator translator_;
};

// The French in `text`, if any: an accented letter or a word English never
// uses. It finds a text that no translation file knows of, which FrenchTexts
// cannot.
inline QString frenchIn(const QString& text) {
    static const QRegularExpression french(
        QStringLiteral("[éèêëàâùûçôîï]|\\b(le|la|les|des|du|est|pas|une|dans|avec|sur|aucun|"
                       "fichier|dossier|inconnue?|écrit|réglages?)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return french.match(text).captured();
}

// Every French source text of the translation file whose English differs
// from it: a text found on an English screen is left in French when it is
// one of these.
class FrenchTexts {
public:
    explicit FrenchTexts(const QString& tsFile) {
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return;
        }
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation") &&
                       xml.readElementText() != source && !source.trimmed().isEmpty()) {
                add(source);
            }
        }
    }
    qsizetype size() const { return texts_.size(); }

    // The French text `shown` is, %1... filled in; or, with `anywhere`, one
    // of at least 12 characters that it holds (a shorter one, such as a
    // curve's name, may stand in English text as a name). Empty when none.
    QString in(const QString& shown, bool anywhere = false) const {
        for (const Text& text : texts_) {
            const bool found = anywhere ? text.longEnough && text.anywhere.match(shown).hasMatch()
                                        : text.whole.match(shown).hasMatch();
            if (found) {
                return text.source;
            }
        }
        return QString();
    }

private:
    struct Text {
        QString source;
        QRegularExpression whole;
        QRegularExpression anywhere;
        bool longEnough;
    };
    void add(const QString& source) {
        const QRegularExpression placeholder(QStringLiteral("%\\d"));
        QString pattern = QRegularExpression::escape(source);
        pattern.replace(placeholder, QStringLiteral(".*"));
        const auto options = QRegularExpression::DotMatchesEverythingOption;
        texts_.append({source, QRegularExpression(QStringLiteral("^(?:%1)$").arg(pattern), options),
                       QRegularExpression(pattern, options),
                       QString(source).remove(placeholder).size() >= 12});
    }

    QList<Text> texts_;
};
