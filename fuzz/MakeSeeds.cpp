// Writes the seed inputs of the fuzz targets into <folder>/<target>/.
// fuzz/corpus/ holds what this wrote, with the inputs that reached further in
// runs of the fuzzers (merged with -merge=1). With --many it also writes a few
// hundred generated cases for the replay tests.
#include "settings/DemoImage.h"
#include "settings/FieldLayout.h"
#include "settings/SettingsDocument.h"
#include "support/ValidImages.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <random>

namespace {

QString outputFolder;

void put(const char* target, const QString& name, const QByteArray& bytes) {
    const QString folder = outputFolder + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray demoBytes() {
    return demoSettingsImage().fileBytes();
}

QByteArray withByte(QByteArray bytes, int offset, int value) {
    bytes[offset] = static_cast<char>(value);
    return bytes;
}

QByteArray withU24(QByteArray bytes, int offset, std::uint32_t value) {
    for (int k = 0; k < 3; ++k) {
        bytes[offset + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
    return bytes;
}

void settingsSeeds() {
    const QByteArray demo = demoBytes();
    put("settings_load", "demo-699", demo);
    put("settings_load", "size-0", QByteArray());
    put("settings_load", "size-698", demo.left(698));
    put("settings_load", "size-700", demo + QByteArray(1, '\x5A'));
    put("settings_load", "size-800", demo + QByteArray(101, '\xA5'));
    put("settings_load", "size-801", demo + QByteArray(102, '\xA5'));
    put("settings_load", "all-zero-699", QByteArray(699, '\0'));
    put("settings_load", "all-ff-699", QByteArray(699, '\xFF'));
    for (const IndexFieldInfo& field : kIndexFields) {
        put("settings_load", QStringLiteral("index-%1-above").arg(field.name),
            withByte(demo, field.offset, field.maximum + 1));
    }
    put("settings_load", "contrast-100", withByte(demo, layout::Contrast, 100));
    put("settings_load", "contrast-101", withByte(demo, layout::Contrast, 101));
    put("settings_load", "srs-trubass-unknown", withByte(demo, layout::TruBassLevel + 2, 0x01));
    put("settings_load", "srs-3d-unknown", withByte(demo, layout::Srs3DLevel + 2, 0x80));
    put("settings_load", "preset-zero", withU24(demo, layout::presetOffset(0), 0));
    put("settings_load", "preset-half-tenth", withU24(demo, layout::presetOffset(7), 87550));
    put("settings_load", "preset-largest", withU24(demo, layout::presetOffset(19), 0xFFFFFF));
    put("settings_load", "band-beyond", withByte(demo, layout::bandOffset(0, 0), 81));
}

void stationSeeds() {
    const auto line = [](const char* name, const char* text) {
        put("station_list", QLatin1String(name), QByteArray(text));
    };
    line("plain-crlf", "Paris_;75;87.8;France Inter;89.0;RFI\r\nLyon_;69;88.4;Radio Scoop\r\n");
    line("plain-lf", "Paris_;75;87.8;France Inter\nLyon_;69;88.4;Radio Scoop");
    line("plain-cr", "Paris_;75;87.8;France Inter\rLyon_;69;88.4;Radio Scoop\r");
    line("quoted-comma", "\"Nice_;06;88.1;Radio, Nice\"\r\n");
    line("quoted-unclosed", "\"Nice_;06;88.1;Radio\r\nToulon_;83;90.1;X\r\n");
    line("quote-then-text", "\"Nice_;06\";88.1;X\r\n");
    line("quote-inside", "Nice_;06;88.1;Radio \"Azur\"\r\n");
    line("comma-splits", "Nice_;06;88.1;A,89.0;B\r\n");
    line("paren-in-label", "Metz_;57 (Moselle);90.1;Radio Metz\r\n");
    line("paren-in-name", "Bar (le)_;55;90.1;X\r\n");
    line("odd-fields",
         "Tours_;37;88.1;A;89.2\r\nBlois_;41;88.1\r\nOrleans_;45;\r\nVierzon_;18\r\nX\r\n");
    line("blank-first-field", " ;75;87.8;X\r\n  \r\n\t;x\r\n");
    line("spaces-around-name", "  Paris_  ; 75 ;87.8;X\r\n");
    line("same-city-twice", "Paris_;75;87.8;A\r\nParis_;75;89.0;B\r\n");
    line("empty", "");
    line("only-delimiters", ",,\r\n\r\n,\n");
    line("utf8-bom", "\xEF\xBB\xBF"
                     "Besan\xC3\xA7on_;25;96.9;Radio BIP;102.8;ici Besan\xC3\xA7on\r\n");
    line("utf8-no-bom", "Chamb\xC3\xA9ry_;73;100.8;Skyrock\r\n");
    line("cp1252-accents", "Besan\xE7on_;25;96.9;Ch\xE9rie FM \x80\r\nChamb\xE9ry_;73;100.8;\x93"
                           "Fun\x94\r\n");
    line("utf8-cut", "Chamb\xC3");
    QFile list(QStringLiteral(OSTREL_STATION_LIST));
    if (list.open(QIODevice::ReadOnly)) {
        put("station_list", "program-list", list.readAll());
    }
}

void frequencySeeds() {
    const char* const texts[] = {
        "88,1",          "88.1",  "87.5",  "108.1",  "108.0",     "87.4",
        "100",           "",      " 1e3",  "88.",    ",0",        ".0",
        "-88,5",         "1.2.3", "88,a",  "88.15",  " 8 8 , 1 ", "1e400.1",
        "99999999999.5", "1d2,0", "+88.0", "0088.0",
    };
    int number = 0;
    for (const char* text : texts) {
        put("fm_text", QStringLiteral("text-%1").arg(++number, 2, 10, QLatin1Char('0')),
            QByteArray(text));
    }
    put("fm_text", "latin1-nbsp", QByteArray("88\xA0,1"));
    put("fm_text", "utf8-fullwidth", QByteArray("\xEF\xBC\x98\xEF\xBC\x98.1"));
}

// A document with one setting's line replaced.
QByteArray withSetting(const QByteArray& document, const char* name, const char* json) {
    const QByteArray key = QByteArray("\"") + name + "\": ";
    const qsizetype start = document.indexOf(key);
    const qsizetype end = document.indexOf('\n', start);
    QByteArray changed = document;
    return changed.replace(start, end - start, key + json + (document[end - 1] == ',' ? "," : ""));
}

void documentSeeds() {
    const QByteArray demo = exportDocument(demoSettingsImage());
    const auto put = [](const char* name, const QByteArray& text) {
        ::put("import_json", QLatin1String(name), text);
    };
    put("demo", demo);
    put("demo-compact", QByteArray(demo).replace("\n", "").replace("    ", ""));
    const struct {
        const char* name;
        const char* setting;
        const char* json;
    } changed[] = {
        {"preset-changed", "fm.A", "\"101.1\""},
        {"preset-comma", "fm.B", "\"99,9\""},
        {"preset-out-of-range", "fm.C", "\"108.1\""},
        {"tuned-changed", "fm.tuned", "\"T\""},
        {"option-caption", "equalizer", "\"live (concert)\""},
        {"option-unknown", "repeat", "\"Jamais\""},
        {"curve-changed", "curve.perso", "[18, -4, -2, 14, 14]"},
        {"curve-short", "curve.perso", "[1, 2]"},
        {"level-changed", "trubass", "9"},
        {"level-fraction", "contrast", "2.5"},
        {"level-text", "son3d", "\"3\""},
        {"null-setting", "usb", "null"},
        {"unknown-setting", "fm.tuned", "\"A\", \"fm.U\": \"90.0\""},
    };
    for (const auto& c : changed) {
        put(c.name, withSetting(demo, c.setting, c.json));
    }
    put("bytes-long", QByteArray(demo).replace("\"bytes\": \"", "\"bytes\": \"00"));
    // A line end in place of the last digit: a decoder would skip it and
    // shift every byte by half.
    const QByteArray hex = demoSettingsImage().fileBytes().toHex();
    put("bytes-half-short-newline",
        QByteArray(demo).replace(hex, hex.left(hex.size() - 1) + "\\n"));
    put("bytes-twice",
        QByteArray(demo).replace("\"bytes\": ", "\"bytes\": \"" + hex + "\",\n    \"bytes\": "));
    put("setting-twice",
        QByteArray(demo).replace("\"contrast\": ", "\"contrast\": 1,\n        \"contrast\": "));
    put("version-2", QByteArray(demo).replace("\"version\": 1", "\"version\": 2"));
    put("other-format", QByteArray(demo).replace("ostrel-settings", "ostrel-other"));
    put("empty-object", "{}");
    put("array", "[1, 2, 3]");
    put("empty", "");
}

// Valid images with one byte changed, and random files of every size.
void manySeeds() {
    std::mt19937 random(20261208);
    for (int k = 0; k < 200; ++k) {
        QByteArray bytes = randomValidImage(random).fileBytes();
        const int offset = std::uniform_int_distribution<int>(0, bytes.size() - 1)(random);
        bytes[offset] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        put("settings_load", QStringLiteral("mutated-%1").arg(k), bytes);
    }
    for (int k = 0; k < 100; ++k) {
        QByteArray bytes(std::uniform_int_distribution<int>(0, 801)(random), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
        }
        put("settings_load", QStringLiteral("random-%1").arg(k), bytes);
        put("station_list", QStringLiteral("random-%1").arg(k), bytes);
        put("fm_text", QStringLiteral("random-%1").arg(k), bytes.left(32));
    }
    // Documents of valid images with one character changed.
    for (int k = 0; k < 100; ++k) {
        QByteArray document = exportDocument(randomValidImage(random));
        const int at = std::uniform_int_distribution<int>(0, document.size() - 1)(random);
        document[at] =
            "0123456789-,.\"[]{}:xAT "[std::uniform_int_distribution<int>(0, 23)(random)];
        put("import_json", QStringLiteral("mutated-%1").arg(k), document);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder> [--many]\n", argv[0]);
        return 2;
    }
    outputFolder = QString::fromLocal8Bit(argv[1]);
    if (argc > 2 && std::strcmp(argv[2], "--many") == 0) {
        manySeeds();
        return 0;
    }
    settingsSeeds();
    stationSeeds();
    frequencySeeds();
    documentSeeds();
    return 0;
}
