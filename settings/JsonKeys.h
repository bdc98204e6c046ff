#pragma once

#include <QByteArray>
#include <QStringList>

// Keys given twice in one object of a JSON text, each as its path ("bytes",
// "settings.contrast"), in the order met. Qt's reader keeps the last value of
// such a key without a word; a document that says two things is refused
// instead. The text must be JSON that Qt reads.
QStringList duplicateKeys(const QByteArray& json);
