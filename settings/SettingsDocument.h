#pragma once

#include "SettingsImage.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <optional>

// A settings file as a JSON document, to keep under version control or edit
// by hand: {"format": "ostrel-settings", "version": 1, "settings": {...},
// "bytes": "<the 699 bytes in hexadecimal>"}. A setting the window refuses is
// null; its bytes are still in "bytes".

// Every named setting and its value, null where the window refuses it, as
// JSON text in the editor's order, one setting per line; `indent` goes before
// the closing brace.
QByteArray settingsText(const SettingsImage& image, const QByteArray& indent = {});
QByteArray exportDocument(const SettingsImage& image);

// The document's bytes, with each setting that differs from what they say
// applied as the window would store it; a setting the window would refuse, a
// null, an unknown key, a wrong type or a document that is not ours leaves no
// image and a line naming each problem.
struct ImportOutcome {
    std::optional<SettingsImage> image;
    QStringList problems;
};
ImportOutcome importDocument(const QByteArray& document);
