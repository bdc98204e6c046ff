// Any bytes as station_fm2.csv: decoding, the entries, the city list and
// every choice of a city.
#include "FuzzCheck.h"

#include "radio/StationList.h"
#include "radio/TextFunctions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Every choice scans every entry: a bound on the input keeps one run short.
// The program's own list (2.4 kB) still fits; scripts/fuzz lets libFuzzer
// grow inputs to 1 kB only.
constexpr std::size_t kLargestInput = 2560;

// UTF-8 as the standard defines it: shortest forms only, no surrogates,
// nothing past U+10FFFF.
bool validUtf8(const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        int more = 0;
        char32_t code = 0;
        char32_t lowest = 0;
        if (lead < 0x80) {
            ++at;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1, code = lead & 0x1F, lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2, code = lead & 0x0F, lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3, code = lead & 0x07, lowest = 0x10000;
        } else {
            return false;
        }
        if (at + more >= bytes.size()) {
            return false;
        }
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(bytes[at + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        at += 1 + more;
    }
    return true;
}

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

// For a text without double quotes the entries are simply its pieces between
// commas and line ends, blanks in front removed, empty pieces dropped.
QStringList unquotedEntries(const QString& text) {
    QStringList pieces;
    QString piece;
    const auto finish = [&] {
        qsizetype start = 0;
        while (start < piece.size() && (piece[start] == u' ' || piece[start] == u'\t')) {
            ++start;
        }
        if (start < piece.size()) {
            pieces.append(piece.mid(start));
        }
        piece.clear();
    };
    for (const QChar c : text) {
        if (c == u',' || isLineEnd(c)) {
            finish();
        } else {
            piece += c;
        }
    }
    finish();
    return pieces;
}

void checkDecoding(const QByteArray& bytes, const QString& text) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        return;
    }
    if (validUtf8(bytes)) {
        FUZZ_REQUIRE(text.toUtf8() == bytes);
        return;
    }
    // Windows code page for French: one character per byte, ASCII and
    // Latin-1's upper half as themselves.
    FUZZ_REQUIRE(text.size() == bytes.size());
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        if (byte < 0x80 || byte >= 0xA0) {
            FUZZ_REQUIRE(text[k].unicode() == byte);
        } else {
            FUZZ_REQUIRE(text[k].unicode() >= 0x80);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kLargestInput) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = stations::decode(bytes);
    checkDecoding(bytes, text);

    const QStringList entries = stations::entries(text);
    qsizetype total = 0;
    for (const QString& entry : entries) {
        FUZZ_REQUIRE(!entry.isEmpty());
        total += entry.size();
        // Only a quoted entry can hold a delimiter, and then it holds no quote.
        if (entry.contains(u',') || entry.contains(u'\n') || entry.contains(u'\r')) {
            FUZZ_REQUIRE(!entry.contains(u'"'));
        }
    }
    FUZZ_REQUIRE(total <= text.size());
    if (!text.contains(u'"')) {
        FUZZ_REQUIRE(entries == unquotedEntries(text));
    }

    const QStringList cities = stations::cityItems(entries);
    // The program reads the file without decoding all of it: same answers.
    FUZZ_REQUIRE(stations::cityItemsOfFile(bytes) == cities);
    // One item per entry whose first field holds more than spaces.
    qsizetype named = 0;
    for (const QString& entry : entries) {
        const QString first = extrait1(entry);
        named += first.count(u' ') < first.size() ? 1 : 0;
    }
    FUZZ_REQUIRE(cities.size() == named);
    for (const QString& city : cities) {
        FUZZ_REQUIRE(city.endsWith(u')') && city.contains(QStringLiteral(" (")));
        // Every choice shows at least one item, each "MHz name".
        const QStringList items = stations::stationItems(entries, city);
        FUZZ_REQUIRE(stations::stationItemsOfFile(bytes, city) == items);
        FUZZ_REQUIRE(!items.isEmpty());
        for (const QString& item : items) {
            FUZZ_REQUIRE(item.contains(u' '));
        }
    }
    // A choice the list does not hold shows the single blank item.
    const QString absent = QStringLiteral("\x01 (\x01)");
    FUZZ_REQUIRE(stations::stationItems(entries, absent) == QStringList{QStringLiteral(" ")} ||
                 text.contains(u'\x01'));
    // Names the list may almost hold: each entry's first field cut one
    // character short or long, and one the file's code page cannot write.
    for (const QString& entry : entries) {
        const QString first = extrait1(entry);
        for (const QString& name :
             {first, first.chopped(std::min<qsizetype>(2, first.size())), first + QChar(0x4E2D)}) {
            const QString city = name + QStringLiteral(" (x)");
            FUZZ_REQUIRE(stations::stationItemsOfFile(bytes, city) ==
                         stations::stationItems(entries, city));
        }
    }
    return 0;
}
