#include "StationList.h"

#include "TextFunctions.h"

#include <QFile>
#include <QStringDecoder>

#include <array>

namespace stations {

namespace {
// Windows-1252 bytes 0x80 to 0x9F; the others are Latin-1. Unassigned bytes
// keep their own code, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        text[k] = byte >= 0x80 && byte <= 0x9F ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The first field with its last character dropped: the name a line is known by.
std::optional<QString> cityKey(const QString& firstField) {
    if (firstField.isEmpty()) {
        return std::nullopt;
    }
    return firstField.chopped(1);
}

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == u' ') {
        --end;
    }
    return text.mid(begin, end - begin);
}
} // namespace

QString decode(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        return QString::fromUtf8(bytes.mid(bom.size()));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : text;
}

QStringList entries(const QString& text) {
    QStringList result;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size) {
        while (at < size && isBlank(text[at])) {
            ++at;
        }
        QString entry;
        if (at < size && text[at] == u'"') {
            const qsizetype close = text.indexOf(u'"', at + 1);
            const qsizetype end = close < 0 ? size : close;
            entry = text.mid(at + 1, end - at - 1);
            at = end + 1;
            // Whatever follows the closing quote, up to the delimiter, is not part of the entry.
            while (at < size && text[at] != u',' && !isLineEnd(text[at])) {
                ++at;
            }
        } else {
            const qsizetype start = at;
            while (at < size && text[at] != u',' && !isLineEnd(text[at])) {
                ++at;
            }
            entry = text.mid(start, at - start);
        }
        if (at < size && text[at] == u'\r' && at + 1 < size && text[at + 1] == u'\n') {
            ++at; // a Windows line end is one line end
        }
        ++at; // the delimiter
        if (!entry.isEmpty()) {
            result.append(entry);
        }
    }
    return result;
}

QStringList cityItems(const QStringList& entries) {
    QStringList items;
    for (const QString& entry : entries) {
        const std::optional<QString> city = cityKey(trimSpaces(extrait1(entry)));
        if (!city) {
            continue;
        }
        const QString label = trimSpaces(extrait1(restex(entry)));
        items.append(*city + QStringLiteral(" (") + label + QLatin1Char(')'));
    }
    return items;
}

QStringList stationItems(const QStringList& entries, const QString& cityItem) {
    // The name stops before the " (" of the last "(".
    const qsizetype open = cityItem.lastIndexOf(u'(');
    const QString wanted = cityItem.left(std::max<qsizetype>(open - 1, 0));

    QString chosen;
    for (const QString& entry : entries) {
        if (cityKey(extrait1(entry)) == wanted) {
            chosen = entry;
        }
    }
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

std::optional<QStringList> readEntries(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return entries(decode(bytes));
}

} // namespace stations
