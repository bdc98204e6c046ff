// Reading station_fm2.csv: entries, cities, stations, encodings.
#include "radio/StationList.h"
#include "radio/TextFunctions.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>

#include <random>

#include <gtest/gtest.h>

using namespace stations;

TEST(TextFunctions, SplitAtTheFirstSeparator) {
    const struct {
        const char* text;
        const char* before;
        const char* after;
        const char* firstWord;
    } cases[] = {
        {"", "", "", ""},
        {"abc", "abc", "", "abc"},
        {"a;b;c", "a", "b;c", "a;b;c"},
        {"a;", "a", "", "a;"},
        {";a", "", "a", ";a"},
        {"88.1 Radio A", "88.1 Radio A", "", "88.1"},
        {" lead", " lead", "", ""},
        {"x y;z w", "x y", "z w", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extrait1(c.text), QString(c.before)) << c.text;
        EXPECT_EQ(restex(c.text), QString(c.after)) << c.text;
        EXPECT_EQ(extrait2(c.text), QString(c.firstWord)) << c.text;
    }
}

TEST(Entries, EndAtLineEndsAndCommasWithQuotesAndBlanksHandled) {
    const struct {
        const char* text;
        QStringList entries;
    } cases[] = {
        {"a;b\nc;d\n", {"a;b", "c;d"}},
        {"a;b\r\nc;d\r\n", {"a;b", "c;d"}},
        {"a;b\rc;d", {"a;b", "c;d"}},
        {"a;b\r\n\r\n\r\nc;d", {"a;b", "c;d"}},
        {"a;b, c;d", {"a;b", "c;d"}},
        {"  \tlead;x  ", {"lead;x  "}},
        {"\"q,u;o\"ignored,z", {"q,u;o", "z"}},
        {"\"two\nlines\"\nnext", {"two\nlines", "next"}},
        {"\"unclosed,x", {"unclosed,x"}},
        {"last line without end", {"last line without end"}},
        {"", {}},
        {"\n\n   \n", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entries(c.text), c.entries) << QString(c.text).toStdString();
    }
}

namespace {
QStringList stationsOf(const char* file, const QString& cityItem) {
    return stationItems(entries(file), cityItem);
}
} // namespace

TEST(Stations, CityItemsAndTheirStationsFromEachKindOfLine) {
    const struct {
        const char* what;
        const char* file;
        QStringList cities;
        int chosen;
        QStringList stations;
    } cases[] = {
        {"two stations",
         "Villex;75;88.1;Radio A;90.4;Radio B\n",
         {"Ville (75)"},
         0,
         {"88.1 Radio A", "90.4 Radio B"}},
        {"no station", "Ville_;75\n", {"Ville (75)"}, 0, {" "}},
        {"odd number of station fields",
         "Ville_;75;88.1;Radio A;90.4\n",
         {"Ville (75)"},
         0,
         {"88.1 Radio A", "90.4 "}},
        {"one trailing separator",
         "Ville_;75;88.1;Radio A;\n",
         {"Ville (75)"},
         0,
         {"88.1 Radio A"}},
        {"two trailing separators",
         "Ville_;75;88.1;Radio A;;\n",
         {"Ville (75)"},
         0,
         {"88.1 Radio A", " "}},
        {"spaces before the first separator", "Ville_  ;75;88.1;A\n", {"Ville (75)"}, 0, {" "}},
        {"a space as the extra character", "Ville ;75;88.1;A\n", {"Vill (75)"}, 0, {" "}},
        {"blanks around the label", "Ville_; 75 ;88.1;A\n", {"Ville (75)"}, 0, {"88.1 A"}},
        {"a parenthesis in the label", "Ville_;75 (x);88.1;A\n", {"Ville (75 (x))"}, 0, {" "}},
        {"a parenthesis in the name",
         "Ville (Nord)_;59;88.1;A\n",
         {"Ville (Nord) (59)"},
         0,
         {"88.1 A"}},
        {"the same city twice: the later line wins",
         "Ville_;75;88.1;A\nVille_;13;99.0;B\n",
         {"Ville (75)", "Ville (13)"},
         0,
         {"99.0 B"}},
        {"names compare with their case",
         "ville_;75;88.1;a\nVille_;13;99.0;B\n",
         {"ville (75)", "Ville (13)"},
         0,
         {"88.1 a"}},
        {"a comma splits the line",
         "Ville_;75;88.1;Radio, A\n",
         {"Ville (75)", " ()"},
         0,
         {"88.1 Radio"}},
        {"an empty first field is skipped",
         ";75;88.1;A\nVille_;13;99.0;B\n",
         {"Ville (13)"},
         0,
         {"99.0 B"}},
        {"a blank first field is skipped", "   ;75\nVille_;13\n", {"Ville (13)"}, 0, {" "}},
    };
    for (const auto& c : cases) {
        const QStringList cities = cityItems(entries(c.file));
        EXPECT_EQ(cities, c.cities) << c.what;
        EXPECT_EQ(cityItemsOfFile(c.file), c.cities) << c.what;
        if (c.chosen < cities.size()) {
            EXPECT_EQ(stationsOf(c.file, cities[c.chosen]), c.stations) << c.what;
            EXPECT_EQ(stationItemsOfFile(c.file, cities[c.chosen]), c.stations) << c.what;
        }
    }
    EXPECT_EQ(stationsOf("Ville_;75;88.1;A\n", "Autre (75)"), QStringList{" "})
        << "a city not in the file";
    EXPECT_EQ(stationsOf("", "Ville (75)"), QStringList{" "});
}

TEST(Stations, AccentedNamesReadTheSameInBothEncodings) {
    const QString line =
        QStringLiteral("Besançon_;25;102.8;ici Besançon;96.9;Radio Bip à l'Est\r\n");
    const QByteArray cp1252 = "Besan\xE7on_;25;102.8;ici Besan\xE7on;96.9;Radio Bip \xE0 l'Est\r\n";
    const QByteArray utf8 = line.toUtf8();
    const QByteArray withBom = "\xEF\xBB\xBF" + utf8;
    for (const QByteArray& bytes : {cp1252, utf8, withBom}) {
        const QStringList all = entries(decode(bytes));
        EXPECT_EQ(cityItems(all), QStringList{QStringLiteral("Besançon (25)")})
            << bytes.toHex().toStdString();
        EXPECT_EQ(stationItems(all, QStringLiteral("Besançon (25)")),
                  (QStringList{QStringLiteral("102.8 ici Besançon"),
                               QStringLiteral("96.9 Radio Bip à l'Est")}));
    }
    EXPECT_EQ(decode("\x80\x9C\x9F"), QStringLiteral("€œŸ"));
}

TEST(Stations, OnlyValidUtf8IsReadAsUtf8WithOrWithoutItsMark) {
    const struct {
        QByteArray file;
        QString text;
    } cases[] = {
        {"Par\xC3\xA9", QStringLiteral("Paré")},
        {"\xEF\xBB\xBFPar\xC3\xA9", QStringLiteral("Paré")},
        // A mark then a byte that cannot be UTF-8: the whole file is the code page's.
        {"\xEF\xBB\xBFPar\xE9", QStringLiteral("ï»¿Paré")},
        {"Par\xE9", QStringLiteral("Paré")},
        // Only the first mark says how the file is written; a second is text.
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "A",
         QStringLiteral("\uFEFFA")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decode(c.file), c.text) << c.file.toHex().toStdString();
        const QByteArray line = c.file + "_;75;88.1;A\n";
        const QStringList all = entries(decode(line));
        ASSERT_EQ(cityItemsOfFile(line), cityItems(all)) << line.toHex().toStdString();
        EXPECT_EQ(stationItemsOfFile(line, cityItems(all).value(0)), QStringList{"88.1 A"})
            << line.toHex().toStdString();
    }
}

TEST(Stations, AnUnreadableFileHasNoEntries) {
    for (const QString& path : {QStringLiteral("/no/such/station_fm2.csv"), QString()}) {
        EXPECT_FALSE(readCityItems(path));
        EXPECT_FALSE(readStationItems(path, "Ville (75)"));
    }
}

// The program reads the file by looking for the chosen name rather than
// through every entry: the places where a name's bytes stand without being
// an entry's first field.
TEST(Stations, AChoiceFindsTheCityOnlyWhereAnEntryStarts) {
    const QByteArray padding(100, 'x'); // past the first blocks of 64 bytes
    const struct {
        const char* what;
        QByteArray file;
        QStringList stations; // for "Ville (75)"
    } cases[] = {
        {"inside a station name",
         padding + ";Radio Ville_;88.1;A\r\nVille_;75;90.0;B\r\n",
         {"90.0 B"}},
        {"only inside a station name", "A_;1;88.1;Radio Ville_;75;99.0;C\r\n" + padding, {" "}},
        {"after blanks", padding + "\r\n \t Ville_;75;88.1;A\r\n", {"88.1 A"}},
        {"after a comma", padding + ",Ville_;75;88.1;A", {"88.1 A"}},
        {"after a lone carriage return", padding + "\rVille_;75;88.1;A\r", {"88.1 A"}},
        {"a longer name", padding + "\nVilleneuve_;75;88.1;A\nVille_;75;90.0;B\n", {"90.0 B"}},
        {"a name without its extra character", padding + "\nVille;75;88.1;A\n", {" "}},
        {"the last of two lines",
         "Ville_;75;88.1;A\n" + padding + "\nVille_;13;99.0;B",
         {"99.0 B"}},
        {"at the very end", padding + "\nVille_", {" "}},
        {"a quote anywhere", padding + "\"q\"\nVille_;75;88.1;A\n", {"88.1 A"}},
        {"a quoted entry holding the name",
         "\"X_;1;88.1;A,\nVille_;75;88.1;B\"\n" + padding,
         {" "}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stationItems(entries(decode(c.file)), "Ville (75)"), c.stations) << c.what;
        EXPECT_EQ(stationItemsOfFile(c.file, "Ville (75)"), c.stations) << c.what;
    }
}

// Whatever the bytes, reading never fails, every city lists at least one
// item, and the program's reading of the file agrees with the entries'.
TEST(Stations, ArbitraryBytesNeverBreakTheReading) {
    std::mt19937 random(2024);
    const char alphabet[] = "ab;;;,,\"\r\n (()_é9.";
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int size = std::uniform_int_distribution<int>(0, round % 3 == 0 ? 300 : 80)(random);
        for (int k = 0; k < size; ++k) {
            bytes += round % 2 == 0 ? static_cast<char>(random())
                                    : alphabet[random() % (sizeof alphabet - 1)];
        }
        const QStringList all = entries(decode(bytes));
        const QStringList cities = cityItems(all);
        ASSERT_EQ(cityItemsOfFile(bytes), cities) << bytes.toHex().toStdString();
        for (const QString& city : cities) {
            const QStringList stations = stationItems(all, city);
            EXPECT_FALSE(stations.isEmpty()) << bytes.toHex().toStdString();
            ASSERT_EQ(stationItemsOfFile(bytes, city), stations) << bytes.toHex().toStdString();
        }
    }
}

// The list shipped beside the program.
TEST(ShippedStationList, EveryCityHasRealFrequenciesInTheFileFormat) {
    QFile file(OSTREL_STATION_LIST);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << OSTREL_STATION_LIST;
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains(',')) << "a comma would split a line";
    EXPECT_FALSE(bytes.contains('"'));
    EXPECT_NE(decode(bytes), QString::fromUtf8(bytes))
        << "written in the Windows code page, accents included";

    const QStringList all = entries(decode(bytes));
    const QStringList cities = cityItems(all);
    EXPECT_GE(cities.size(), 30);
    const QRegularExpression frequency(QStringLiteral("^(\\d{2,3}\\.\\d) \\S.*$"));
    for (const QString& city : cities) {
        const QStringList list = stationItems(all, city);
        ASSERT_FALSE(list.isEmpty());
        for (const QString& station : list) {
            const auto match = frequency.match(station);
            ASSERT_TRUE(match.hasMatch()) << city.toStdString() << ": " << station.toStdString();
            const double mhz = match.captured(1).toDouble();
            EXPECT_TRUE(mhz >= 87.5 && mhz <= 108.0)
                << city.toStdString() << ": " << station.toStdString();
        }
    }
    EXPECT_TRUE(cities.contains(QStringLiteral("Besançon (25)")));
}
