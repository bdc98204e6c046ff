#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// station_fm2.csv: one city per line, fields separated by ";":
//   <city name + one extra character>;<label>;<MHz>;<station>;<MHz>;<station>...
// The first field's last character is never part of the name.
namespace stations {

// The file's text: UTF-8 when it is valid UTF-8 (with or without a byte-order
// mark), otherwise the Windows code page for French.
QString decode(const QByteArray& bytes);

// Splits the text into entries as a comma-delimited read does: an entry ends
// at a line end or a comma; blanks before it are skipped; one that begins with
// a double quote runs to the next double quote. Empty entries are dropped.
QStringList entries(const QString& text);

// One item per city, "name (label)", in file order. Entries whose first field
// is blank are skipped.
QStringList cityItems(const QStringList& entries);

// The stations of the city a city item names, one "MHz name" item each; the
// last entry of that city wins. A city without stations, or not found, gives
// the single item " ".
QStringList stationItems(const QStringList& entries, const QString& cityItem);

// The same as cityItems(entries(decode(bytes))) and
// stationItems(entries(decode(bytes)), cityItem), but only the pieces they
// need are decoded, so that a list the size of France reads in a few
// milliseconds.
QStringList cityItemsOfFile(const QByteArray& bytes);
QStringList stationItemsOfFile(const QByteArray& bytes, const QString& cityItem);

// The same, on the file at `path`, read whole; none when it cannot be read.
std::optional<QStringList> readCityItems(const QString& path);
std::optional<QStringList> readStationItems(const QString& path, const QString& cityItem);

} // namespace stations
