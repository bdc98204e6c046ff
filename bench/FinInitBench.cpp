// "lire ostrel": fin_init reads the player's 699-byte file and shows every
// field in the window, against reading those 699 bytes alone.
#include "DemoPlayer.h"
#include "RatioReport.h"
#include "app/Form1.h"
#include "app/Seams.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
struct OnePlayer : VolumeList {
    QString root;
    QStringList roots() const override { return {root}; }
};

struct NoDialogs : MessageBoxes {
    int shown = 0;
    void show(const QString&) override { ++shown; }
    bool ask(const QString&) override {
        ++shown;
        return false;
    }
    int choose(const QString&, const QStringList&, int defaultAnswer) override {
        ++shown;
        return defaultAnswer;
    }
    void closeMessage() override {}
};

void BM_ReadPlayerFile(benchmark::State& state) {
    const DemoPlayer player;
    for (auto _ : state) {
        QFile file(player.file());
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the player's file");
            return;
        }
        benchmark::DoNotOptimize(file.readAll());
    }
}

void BM_FinInit(benchmark::State& state) {
    const DemoPlayer player;
    OnePlayer volumes;
    volumes.root = player.root();
    NoDialogs messages;
    const QTemporaryDir locks;
    Form1 window(Seams{volumes, messages, player.root(), UserFolders{{locks.path()}, QString()},
                       QApplication::palette()});
    if (!player.ready() || !window.Form_Load() || messages.shown != 0) {
        state.SkipWithError("the window did not start on the player");
        return;
    }
    for (auto _ : state) {
        window.fin_init();
    }
    if (messages.shown != 0) {
        state.SkipWithError("a load showed a message");
    }
}

BENCHMARK(BM_ReadPlayerFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FinInit)->Unit(benchmark::kMicrosecond);

const RegisterRatio finInit{"fin_init / raw read, 699 bytes", "BM_FinInit", "BM_ReadPlayerFile"};
} // namespace
