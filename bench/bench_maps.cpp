// Filling a mod's available-map list (waypoint and configuration markers, names in mixed case on
// disk) against a plain listing of the same three folders, for 500, 5,000 and 50,000 maps.
// Filling should stay within a small factor of the listing and grow linearly.
#include "core/UInit.h"
#include "core/UQOR_Maps.h"
#include "platform/FileSys.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// One tree per size: maps/ with n .bsp files, wpt/ with n waypoint files, cfg/ with n config
// files. Case differs between the folders, as it does on real installations.
struct TTree {
    QTemporaryDir Dir;
    QString Maps, Waypoints, Configs;
};

void Touch(const QString& path) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.close();
}

TTree& TreeFor(int n) {
    static std::map<int, std::unique_ptr<TTree>> trees;
    auto& slot = trees[n];
    if (!slot) {
        slot = std::make_unique<TTree>();
        const QString root = slot->Dir.path();
        slot->Maps = root + QStringLiteral("/maps");
        slot->Waypoints = root + QStringLiteral("/wpt");
        slot->Configs = root + QStringLiteral("/cfg");
        QDir().mkpath(slot->Maps);
        QDir().mkpath(slot->Waypoints);
        QDir().mkpath(slot->Configs);
        for (int i = 0; i < n; ++i) {
            const QString name = QStringLiteral("Map_%1").arg(i, 6, 10, QLatin1Char('0'));
            Touch(slot->Maps + QLatin1Char('/') + (i % 2 ? name.toUpper() : name) + QStringLiteral(".bsp"));
            Touch(slot->Waypoints + QLatin1Char('/') + name.toLower() + QStringLiteral(".WPT"));
            Touch(slot->Configs + QLatin1Char('/') + (i % 3 ? name : name.toLower()) + QStringLiteral(".cfg"));
        }
    }
    return *slot;
}

void BM_ListMaps(benchmark::State& state) {
    TTree& tree = TreeFor(static_cast<int>(state.range(0)));
    UInit::SelectedMod = QStringLiteral("CStrike");
    QListWidget available;
    QLabel legend;
    for (auto _ : state) {
        UInit::ListMaps(&available, tree.Maps, &legend, tree.Configs, QStringLiteral(".cfg"),
                        QStringLiteral(".wpt"), tree.Waypoints);
        benchmark::DoNotOptimize(available.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PlainListingOfTheThreeFolders(benchmark::State& state) {
    TTree& tree = TreeFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QStringList maps = FileSys::ListFiles(tree.Maps, QStringLiteral("*.bsp"));
        const QStringList waypoints = FileSys::ListFiles(tree.Waypoints);
        const QStringList configs = FileSys::ListFiles(tree.Configs);
        benchmark::DoNotOptimize(maps.size() + waypoints.size() + configs.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PlainListingOfTheThreeFolders)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListMaps)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
