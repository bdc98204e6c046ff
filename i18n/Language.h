#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// Both programs speak French, the language of their source texts, unless the
// user's settings ask for a language they are translated into. The
// translations are built into the programs: nothing to install beside them.

// The translation the user's languages ask for, in their order
// (QLocale::system().uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG):
// French, or the C or POSIX locale, before any translation means French;
// a language without a translation is passed over. Installs it into `app`
// and returns its language ("en"), or returns an empty string for French.
QString installUserLanguage(QCoreApplication& app, const QStringList& languages);
QString installUserLanguage(QCoreApplication& app);

// The English text of a source text, whatever language is in use: what a
// user may type for an option's caption on any desktop.
QString englishText(const char* context, const char* source);
