// Loading reads the whole settings file before touching the image. Target:
// far below a frame (16 ms), so "lire ostrel" feels instant.
#include "settings/DemoImage.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void BM_ReadSettingsFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.dat");
    QFile file(path);
    const QByteArray bytes = demoSettingsImage().fileBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    SettingsImage image;
    for (auto _ : state) {
        image.load(*readSettingsFile(path));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_ReadSettingsFile)->Unit(benchmark::kMicrosecond);
} // namespace
