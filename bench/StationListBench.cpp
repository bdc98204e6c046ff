// The FM page lists the cities at start-up and reads the whole station file
// again on every city choice. Each is measured against reading the same file
// into memory: a choice must stay within 3 times that read, on the shipped
// list and on one the size of France (36,000 communes).
#include "RatioReport.h"
#include "StationFile.h"
#include "radio/StationList.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
constexpr int kFrance = 36000;

// The station files, written once: argument 0 is the shipped list, any other
// a generated list of that many cities.
class StationFiles {
public:
    static QString path(int cities) {
        static StationFiles files;
        return files.pathOf(cities);
    }

private:
    QString pathOf(int cities) {
        if (cities == 0) {
            return QStringLiteral(OSTREL_STATION_LIST);
        }
        const QString path = dir_.filePath(QStringLiteral("station_fm2_%1.csv").arg(cities));
        if (!QFile::exists(path)) {
            QFile file(path);
            const QByteArray bytes = frenchStationFile(cities);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                return {};
            }
        }
        return path;
    }
    QTemporaryDir dir_;
};

// What start-up does: the city box's items.
QStringList listCities(const QString& path) {
    return stations::readCityItems(path).value_or(QStringList());
}

// What a choice does: the file read again, then the chosen city's stations.
QStringList chooseCity(const QString& path, const QString& cityItem) {
    return stations::readStationItems(path, cityItem).value_or(QStringList());
}

void BM_RawRead(benchmark::State& state) {
    const QString path = StationFiles::path(int(state.range(0)));
    qint64 size = 0;
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the list");
            return;
        }
        const QByteArray bytes = file.readAll();
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
}

void BM_CityListing(benchmark::State& state) {
    const QString path = StationFiles::path(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(listCities(path));
    }
    state.counters["cities"] = double(listCities(path).size());
}

void BM_CityChoice(benchmark::State& state) {
    const QString path = StationFiles::path(int(state.range(0)));
    const QStringList cities = listCities(path);
    if (cities.isEmpty()) {
        state.SkipWithError("no city in the list");
        return;
    }
    // The last city listed: its line is the file's last one.
    const QString city = cities.last();
    for (auto _ : state) {
        benchmark::DoNotOptimize(chooseCity(path, city));
    }
    state.counters["stations"] = double(chooseCity(path, city).size());
}

BENCHMARK(BM_RawRead)->Arg(0)->Arg(kFrance)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CityListing)->Arg(0)->Arg(kFrance)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CityChoice)->Arg(0)->Arg(kFrance)->Unit(benchmark::kMicrosecond);

const RegisterRatio listingShipped{"city listing / raw read, shipped list", "BM_CityListing/0",
                                   "BM_RawRead/0"};
const RegisterRatio choiceShipped{"city choice / raw read, shipped list", "BM_CityChoice/0",
                                  "BM_RawRead/0", 3};
const RegisterRatio listingFrance{"city listing / raw read, 36,000 cities", "BM_CityListing/36000",
                                  "BM_RawRead/36000"};
const RegisterRatio choiceFrance{"city choice / raw read, 36,000 cities", "BM_CityChoice/36000",
                                 "BM_RawRead/36000", 3};
} // namespace
