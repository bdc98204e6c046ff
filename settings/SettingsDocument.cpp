#include "SettingsDocument.h"

#include "JsonKeys.h"
#include "LoadCheck.h"
#include "NamedSettings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>

namespace {
struct SettingsDocumentText {
    Q_DECLARE_TR_FUNCTIONS(SettingsDocument)
};
} // namespace

namespace {
const QString kFormat = QStringLiteral("ostrel-settings");
constexpr int kVersion = 1;

// Exactly the file's bytes, two hexadecimal digits each, and nothing else:
// no blank, no line end (which a decoder would skip, shifting every byte).
std::optional<SettingsImage> imageFromHex(const QJsonValue& hex) {
    const QString text = hex.toString();
    const bool allDigits = std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
    if (!hex.isString() || text.size() != 2 * SettingsImage::kFileSize || !allDigits) {
        return std::nullopt;
    }
    SettingsImage image;
    image.load(QByteArray::fromHex(text.toLatin1()));
    return image;
}
// One value as compact JSON, with a blank after each comma of an array.
QByteArray jsonText(const QJsonValue& value) {
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QByteArray text = wrapped.mid(1, wrapped.size() - 2);
    return value.isArray() ? text.replace(",", ", ") : text;
}
} // namespace

QByteArray settingsText(const SettingsImage& image, const QByteArray& indent) {
    // Written by hand rather than by QJsonDocument, which sorts the keys: the
    // settings keep the editor's order, one per line, so that a document under
    // version control changes by as many lines as settings change.
    QByteArray text = "{\n";
    const std::vector<NamedSetting>& names = namedSettings();
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::optional<SettingValue> value = settingValue(image, names[k]);
        text += indent + "    " + jsonText(names[k].name) + ": " +
                jsonText(value ? valueJson(names[k], *value) : QJsonValue()) +
                (k + 1 < names.size() ? ",\n" : "\n");
    }
    return text + indent + "}";
}

QByteArray exportDocument(const SettingsImage& image) {
    return "{\n    \"format\": " + jsonText(kFormat) +
           ",\n    \"version\": " + QByteArray::number(kVersion) +
           ",\n    \"settings\": " + settingsText(image, "    ") + ",\n    \"bytes\": \"" +
           image.fileBytes().toHex() + "\"\n}\n";
}

ImportOutcome importDocument(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(text, &error);
    const QJsonObject document = parsed.object();
    if (error.error != QJsonParseError::NoError || !parsed.isObject() ||
        document.value(QStringLiteral("format")) != QJsonValue(kFormat)) {
        return {std::nullopt,
                {SettingsDocumentText::tr("ce n'est pas un document ostrel-settings "
                                          "(\"format\": \"ostrel-settings\")")}};
    }
    QStringList problems;
    for (const QString& key : duplicateKeys(text)) {
        problems.append(SettingsDocumentText::tr("%1 : clé donnée deux fois").arg(key));
    }
    if (document.value(QStringLiteral("version")) != QJsonValue(kVersion)) {
        problems.append(
            SettingsDocumentText::tr("version : seule la version %1 est connue").arg(kVersion));
    }
    for (const QString& key : document.keys()) {
        if (key != QStringLiteral("format") && key != QStringLiteral("version") &&
            key != QStringLiteral("settings") && key != QStringLiteral("bytes")) {
            problems.append(SettingsDocumentText::tr("%1 : clé inconnue").arg(key));
        }
    }
    std::optional<SettingsImage> image = imageFromHex(document.value(QStringLiteral("bytes")));
    if (!image) {
        problems.append(
            SettingsDocumentText::tr("bytes : il faut les %1 octets du fichier en hexadécimal")
                .arg(SettingsImage::kFileSize));
    }
    const QJsonValue settingsValue = document.value(QStringLiteral("settings"));
    if (!settingsValue.isObject()) {
        problems.append(SettingsDocumentText::tr("settings : il faut un objet"));
    }
    const QJsonObject settings = settingsValue.toObject();
    SettingValues values(namedSettings().size());
    for (const QString& key : settings.keys()) {
        const NamedSetting* at = namedSetting(key);
        if (!at) {
            problems.append(SettingsDocumentText::tr("settings.%1 : réglage inconnu").arg(key));
            continue;
        }
        const QJsonValue json = settings.value(key);
        if (json.isNull()) {
            problems.append(
                SettingsDocumentText::tr("settings.%1 : null (une valeur est nécessaire)")
                    .arg(key));
            continue;
        }
        if (image) {
            // What the bytes already say needs no validation: it stays as it is.
            const std::optional<SettingValue> current = settingValue(*image, *at);
            if (current && json == valueJson(*at, *current)) {
                continue;
            }
        }
        const ParsedValue parsed = parseJsonValue(*at, json);
        if (!parsed.value) {
            problems.append(SettingsDocumentText::tr("settings.%1 : %2").arg(key, parsed.refusal));
            continue;
        }
        values[static_cast<std::size_t>(at - namedSettings().data())] = parsed.value;
    }
    if (!problems.isEmpty()) {
        return {std::nullopt, problems};
    }
    applyValues(*image, values);
    // A file the window would not write back is never made.
    const QStringList refused = checkLoadedImage(*image).problems();
    if (!refused.isEmpty()) {
        return {std::nullopt, refused};
    }
    return {image, {}};
}
