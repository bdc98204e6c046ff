#include "StationList.h"

#include "TextFunctions.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace stations {

namespace {
// Windows-1252 bytes 0x80 to 0x9F; the others are Latin-1. Unassigned bytes
// keep their own code, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

QString fromCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte <= 0x9F ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

enum class Encoding { Utf8, Cp1252 };

// The station file's text bytes and how they are written: UTF-8 when the
// bytes after one leading byte-order mark (if any) are valid UTF-8, otherwise
// the whole file in the Windows code page.
struct EncodedText {
    QByteArrayView bytes;
    Encoding encoding;
};

EncodedText encodedText(QByteArrayView file) {
    const QByteArrayView text =
        file.startsWith(kByteOrderMark) ? file.sliced(kByteOrderMark.size()) : file;
    if (text.isValidUtf8()) {
        return {text, Encoding::Utf8};
    }
    return {file, Encoding::Cp1252};
}

QString textOf(QByteArrayView bytes, Encoding encoding) {
    if (encoding == Encoding::Cp1252) {
        return fromCp1252(bytes);
    }
    // Any byte-order mark left is a character of the text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// The Windows code page's byte for a character; none when it has no byte.
std::optional<char> toCp1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    const auto found = std::find(kCp1252High.begin(), kCp1252High.end(), c);
    if (found == kCp1252High.end()) {
        return std::nullopt;
    }
    return char(0x80 + (found - kCp1252High.begin()));
}

// The file is split into entries and fields on ASCII characters only. In both
// encodings decode() accepts without a byte-order mark, each of those
// characters is the very byte it is in the file, and no other byte or
// sequence reads as one: so the bytes split exactly as the text does, and
// only the pieces that are needed are decoded.

// A piece of the text, or of the file's bytes: [begin, end).
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype size() const { return end - begin; }
    bool isEmpty() const { return end <= begin; }
};

template <typename Char> bool isLineEnd(Char c) {
    return c == '\n' || c == '\r';
}
template <typename Char> bool isDelimiter(Char c) {
    return c == ',' || isLineEnd(c);
}
template <typename Char> bool isBlank(Char c) {
    return c == ' ' || c == '\t';
}

// The first comma or line end at or after `at`; `size` when there is none.
template <typename Char> qsizetype delimiterFrom(const Char* text, qsizetype at, qsizetype size) {
    while (at < size && !isDelimiter(text[at])) {
        ++at;
    }
    return at;
}

#if defined(__SSE2__)
// The bytes of a long list go sixteen at a time: lines are a few hundred bytes.
template <> qsizetype delimiterFrom(const char* text, qsizetype at, qsizetype size) {
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; at + 16 <= size; at += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, comma), _mm_cmpeq_epi8(chunk, cr)),
                         _mm_cmpeq_epi8(chunk, lf));
        if (const int mask = _mm_movemask_epi8(hits); mask != 0) {
            return at + std::countr_zero(static_cast<unsigned>(mask));
        }
    }
    while (at < size && !isDelimiter(text[at])) {
        ++at;
    }
    return at;
}
#endif

// Calls `visit` with each non-empty entry, in order, as a comma-delimited read
// finds them (see entries()).
template <typename Char, typename Visit>
void forEachEntry(const Char* text, qsizetype size, Visit visit) {
    qsizetype at = 0;
    while (at < size) {
        while (at < size && isBlank(text[at])) {
            ++at;
        }
        Span entry;
        if (at < size && text[at] == '"') {
            const Char* close = std::find(text + at + 1, text + size, Char('"'));
            entry = {at + 1, close - text};
            at = entry.end + 1;
            // Whatever follows the closing quote, up to the delimiter, is not part of the entry.
            at = delimiterFrom(text, std::min(at, size), size);
        } else {
            entry.begin = at;
            at = delimiterFrom(text, at, size);
            entry.end = at;
        }
        if (at < size && text[at] == '\r' && at + 1 < size && text[at + 1] == '\n') {
            ++at; // a Windows line end is one line end
        }
        ++at; // the delimiter
        if (!entry.isEmpty()) {
            visit(entry);
        }
    }
}

// The entry's first field: up to its first ";", all of it without one.
template <typename Char> Span firstField(const Char* text, Span entry) {
    const Char* semicolon = std::find(text + entry.begin, text + entry.end, Char(';'));
    return {entry.begin, semicolon - text};
}

// What follows the entry's first ";"; nothing without one.
template <typename Char> Span afterFirstField(const Char* text, Span entry) {
    const Span first = firstField(text, entry);
    return first.end < entry.end ? Span{first.end + 1, entry.end} : Span{entry.end, entry.end};
}

template <typename Char> Span trimmedSpaces(const Char* text, Span span) {
    while (span.begin < span.end && text[span.begin] == ' ') {
        ++span.begin;
    }
    while (span.end > span.begin && text[span.end - 1] == ' ') {
        --span.end;
    }
    return span;
}

// "name (label)" for an entry, its first field without its last character
// being the name; none when that field is blank. `decode` gives a span's text.
template <typename Char, typename Decode>
std::optional<QString> cityItemOf(const Char* text, Span entry, const Decode& decode) {
    const Span name = trimmedSpaces(text, firstField(text, entry));
    if (name.isEmpty()) {
        return std::nullopt;
    }
    const Span label = trimmedSpaces(text, firstField(text, afterFirstField(text, entry)));
    QString item = decode(name);
    item.chop(1);
    return item + QStringLiteral(" (") + decode(label) + QLatin1Char(')');
}

// The name a city item stands for: up to the " (" of its last "(".
QString nameOf(const QString& cityItem) {
    const qsizetype open = cityItem.lastIndexOf(u'(');
    return cityItem.left(std::max<qsizetype>(open - 1, 0));
}

// The first field with its last character dropped: the name a line is known by.
std::optional<QString> cityKey(const QString& firstField) {
    if (firstField.isEmpty()) {
        return std::nullopt;
    }
    return firstField.chopped(1);
}

// "MHz name" for each pair of fields after the label of the chosen entry; " "
// when it has none (or when no entry was chosen).
QStringList stationsOf(const QString& chosen) {
    QString rest = restex(restex(chosen));
    QStringList items;
    do {
        const QString frequency = extrait1(rest);
        rest = restex(rest);
        const QString name = extrait1(rest);
        rest = restex(rest);
        items.append(frequency + QLatin1Char(' ') + name);
    } while (!rest.isEmpty());
    return items;
}

std::optional<QByteArray> readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

// The station file's text, split into entries before anything is decoded.
class FileText {
public:
    explicit FileText(const QByteArray& file)
        : text_(encodedText(file)) {}

    const char* data() const { return text_.bytes.data(); }
    qsizetype size() const { return text_.bytes.size(); }
    Encoding encoding() const { return text_.encoding; }

    // A span's text, as decode() gives it in the whole text.
    QString decode(Span span) const {
        return textOf(text_.bytes.sliced(span.begin, span.size()), text_.encoding);
    }

    // The file's bytes for a text; none when no text of the file can be it.
    std::optional<QByteArray> encode(const QString& text) const {
        if (text_.encoding == Encoding::Utf8) {
            return text.toUtf8();
        }
        QByteArray bytes(text.size(), Qt::Uninitialized);
        for (qsizetype k = 0; k < text.size(); ++k) {
            const std::optional<char> byte = toCp1252(text[k].unicode());
            if (!byte) {
                return std::nullopt;
            }
            bytes[k] = *byte;
        }
        return bytes;
    }

    // Whether the entry's first field, without its last character, has the
    // bytes `name`: that last character must be a single UTF-16 unit.
    bool isNamed(Span entry, QByteArrayView name) const {
        const qsizetype size = name.size();
        // Most entries differ from the first byte on.
        if (entry.size() <= size || (size > 0 && data()[entry.begin] != name.front()) ||
            std::memcmp(data() + entry.begin, name.data(), size) != 0) {
            return false;
        }
        const qsizetype extra = firstField(data(), entry).end - (entry.begin + size);
        if (text_.encoding == Encoding::Cp1252) {
            return extra == 1;
        }
        // Valid UTF-8: one character below U+10000, of one, two or three bytes.
        const auto lead = static_cast<unsigned char>(data()[entry.begin + size]);
        return (extra == 1 && lead < 0x80) || (extra == 2 && (lead & 0xE0) == 0xC0) ||
               (extra == 3 && (lead & 0xF0) == 0xE0);
    }

private:
    EncodedText text_;
};

// In a file without double quotes every entry starts after a delimiter and
// blanks, and ends at the next delimiter: the entries of a city are found by
// looking only where its name's first and last bytes stand, instead of
// stopping at every line. Sets `chosen` to the last entry whose first field
// is `name` and one more character. False, with `chosen` untouched, when the
// file holds a double quote (or the name starts with a blank, which no entry
// does): then the entries must be read one by one.
bool lastEntryNamedWithoutQuotes(const FileText& file, QByteArrayView name,
                                 std::optional<Span>& chosen) {
    const char* text = file.data();
    const qsizetype size = file.size();
    const qsizetype last = name.size() - 1;
    if (name.isEmpty() || isBlank(name.front())) {
        return false;
    }
    std::optional<Span> found;
    const auto look = [&](qsizetype at) {
        if (at + name.size() > size || std::memcmp(text + at, name.data(), name.size()) != 0) {
            return;
        }
        qsizetype before = at;
        while (before > 0 && isBlank(text[before - 1])) {
            --before;
        }
        if (before > 0 && !isDelimiter(text[before - 1])) {
            return; // inside an entry
        }
        const Span entry{at, delimiterFrom(text, at, size)};
        if (file.isNamed(entry, name)) {
            found = entry; // the last entry of the city wins
        }
    };
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(name.front());
    const __m128i lastByte = _mm_set1_epi8(name.back());
    const __m128i quote = _mm_set1_epi8('"');
    const auto load = [&](qsizetype from) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + from));
    };
    // Where the name may start, and the quotes, among the 16 bytes from `from`.
    const auto marks = [&](qsizetype from) {
        const __m128i starts = load(from);
        return _mm_or_si128(_mm_and_si128(_mm_cmpeq_epi8(starts, first),
                                          _mm_cmpeq_epi8(load(from + last), lastByte)),
                            _mm_cmpeq_epi8(starts, quote));
    };
    // False on a quote.
    const auto lookAt16 = [&](qsizetype from) {
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(load(from), quote)) != 0) {
            return false;
        }
        for (auto hits = unsigned(_mm_movemask_epi8(marks(from))); hits != 0; hits &= hits - 1) {
            look(from + std::countr_zero(hits));
        }
        return true;
    };
    // Most blocks of 64 bytes hold neither.
    for (; at + last + 64 <= size; at += 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(marks(at), marks(at + 16)),
                                         _mm_or_si128(marks(at + 32), marks(at + 48)));
        if (_mm_movemask_epi8(any) != 0) {
            for (qsizetype part = at; part < at + 64; part += 16) {
                if (!lookAt16(part)) {
                    return false;
                }
            }
        }
    }
    for (; at + last + 16 <= size; at += 16) {
        if (!lookAt16(at)) {
            return false;
        }
    }
#endif
    for (; at < size; ++at) {
        if (text[at] == '"') {
            return false;
        }
        look(at);
    }
    chosen = found;
    return true;
}

const char16_t* unitsOf(const QString& text) {
    return reinterpret_cast<const char16_t*>(text.constData());
}
} // namespace

QString decode(const QByteArray& bytes) {
    const EncodedText text = encodedText(bytes);
    return textOf(text.bytes, text.encoding);
}

QStringList entries(const QString& text) {
    QStringList result;
    forEachEntry(unitsOf(text), text.size(),
                 [&](Span entry) { result.append(text.mid(entry.begin, entry.size())); });
    return result;
}

QStringList cityItems(const QStringList& entries) {
    QStringList items;
    for (const QString& entry : entries) {
        const auto decode = [&](Span span) {
            return entry.mid(span.begin, span.size());
        };
        if (auto item = cityItemOf(unitsOf(entry), Span{0, entry.size()}, decode)) {
            items.append(std::move(*item));
        }
    }
    return items;
}

QStringList stationItems(const QStringList& entries, const QString& cityItem) {
    const QString wanted = nameOf(cityItem);
    QString chosen;
    for (const QString& entry : entries) {
        if (cityKey(extrait1(entry)) == wanted) {
            chosen = entry;
        }
    }
    return stationsOf(chosen);
}

QStringList cityItemsOfFile(const QByteArray& bytes) {
    const FileText file(bytes);
    QStringList items;
    const auto decodeSpan = [&](Span span) {
        return file.decode(span);
    };
    forEachEntry(file.data(), file.size(), [&](Span entry) {
        if (auto item = cityItemOf(file.data(), entry, decodeSpan)) {
            items.append(std::move(*item));
        }
    });
    return items;
}

QStringList stationItemsOfFile(const QByteArray& bytes, const QString& cityItem) {
    const QString wanted = nameOf(cityItem);
    const FileText file(bytes);
    // A name with a lone surrogate may end where the file has a character
    // beyond U+FFFF: the whole text decides that.
    if (file.encoding() == Encoding::Utf8 && !QStringView(wanted).isValidUtf16()) {
        return stationItems(entries(decode(bytes)), cityItem);
    }
    const std::optional<QByteArray> name = file.encode(wanted);
    if (!name) {
        return stationsOf(QString());
    }
    std::optional<Span> chosen;
    if (!lastEntryNamedWithoutQuotes(file, *name, chosen)) {
        forEachEntry(file.data(), file.size(), [&](Span entry) {
            if (file.isNamed(entry, *name)) {
                chosen = entry; // the last entry of the city wins
            }
        });
    }
    return stationsOf(chosen ? file.decode(*chosen) : QString());
}

std::optional<QStringList> readCityItems(const QString& path) {
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes) {
        return std::nullopt;
    }
    return cityItemsOfFile(*bytes);
}

std::optional<QStringList> readStationItems(const QString& path, const QString& cityItem) {
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes) {
        return std::nullopt;
    }
    return stationItemsOfFile(*bytes, cityItem);
}

} // namespace stations
