#pragma once

#include <QString>

// The three text helpers the FM page reads station lines with.

// The text before the first ";" (all of it without one).
QString extrait1(const QString& text);
// The text after the first ";" (empty without one).
QString restex(const QString& text);
// The text before the first blank (all of it without one).
QString extrait2(const QString& text);
