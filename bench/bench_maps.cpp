// Filling a mod's available-map list (waypoint and configuration markers, names in mixed case on
// disk) for 500, 5,000 and 50,000 maps, beside what the same work costs at the least:
// - BM_PlainListingOfTheThreeFolders reads the names of the three folders and nothing else;
// - BM_ListMapsFloor does the whole job in plain C++ on the same tree: one readdir of each
//   folder, each name folded once, the markers looked up in hash sets, the entries sorted.
// After the runs the program prints how many times the floor BM_ListMaps takes at each size
// (it should stay within 2x) and how its cost per map grows from 500 to 50,000 maps (it should
// stay near 1x: linear).
#include "core/UInit.h"
#include "core/UQOR_Maps.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

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

// Calls take(name, length) for every entry of the folder but "." and "..".
template <typename Take>
void ReadFolder(const QString& folder, Take take) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        take(name, std::char_traits<char>::length(name));
    }
    ::closedir(dir);
}

std::string Folded(const char* name, std::size_t length) {
    std::string folded(name, length);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool EndsWithFolded(const std::string& folded, const char* ext) {
    const std::size_t n = std::char_traits<char>::length(ext);
    return folded.size() >= n && folded.compare(folded.size() - n, n, ext) == 0;
}

// The stems of a folder's files with the extension, folded.
std::unordered_set<std::string> FoldedStems(const QString& folder, const char* ext) {
    std::unordered_set<std::string> stems;
    ReadFolder(folder, [&](const char* name, std::size_t length) {
        std::string folded = Folded(name, length);
        if (EndsWithFolded(folded, ext)) {
            folded.resize(folded.size() - std::char_traits<char>::length(ext));
            stems.insert(std::move(folded));
        }
    });
    return stems;
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

void BM_ListMapsFloor(benchmark::State& state) {
    TTree& tree = TreeFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const auto waypoints = FoldedStems(tree.Waypoints, ".wpt");
        const auto configs = FoldedStems(tree.Configs, ".cfg");
        std::vector<std::pair<std::string, std::string>> entries;   // folded key, entry
        ReadFolder(tree.Maps, [&](const char* name, std::size_t length) {
            std::string folded = Folded(name, length);
            if (!EndsWithFolded(folded, ".bsp"))
                return;
            folded.resize(folded.size() - 4);
            std::string marks = " ";
            if (waypoints.count(folded))
                marks += '*';
            if (configs.count(folded))
                marks += '+';
            entries.emplace_back(folded + marks, std::string(name, length - 4) + marks);
        });
        std::sort(entries.begin(), entries.end());
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PlainListingOfTheThreeFolders(benchmark::State& state) {
    TTree& tree = TreeFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string> names;
        for (const QString& folder : {tree.Maps, tree.Waypoints, tree.Configs})
            ReadFolder(folder, [&](const char* name, std::size_t length) { names.emplace_back(name, length); });
        benchmark::DoNotOptimize(names.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PlainListingOfTheThreeFolders)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListMapsFloor)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListMaps)->Arg(500)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);

// Prints as usual and keeps each run's time per iteration for the summary.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    TRatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Color : OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                Times[run.run_name.function_name][std::stoi(run.run_name.args)] = run.GetAdjustedRealTime();
    }
    std::map<std::string, std::map<int, double>> Times;   // function -> size -> time
};

void PrintSummary(const TRatioReporter& reporter) {
    const auto find = [&](const char* name) -> const std::map<int, double>* {
        const auto it = reporter.Times.find(name);
        return it == reporter.Times.end() ? nullptr : &it->second;
    };
    const auto* list = find("BM_ListMaps");
    const auto* floor = find("BM_ListMapsFloor");
    if (list && floor) {
        std::printf("\nBM_ListMaps against its floor (same tree, same binary):\n");
        for (const auto& [size, time] : *list)
            if (floor->count(size) && floor->at(size) > 0)
                std::printf("  %6d maps: %8.2f ms against %8.2f ms  = %.2fx the floor\n", size, time,
                            floor->at(size), time / floor->at(size));
    }
    const auto growth = [](const std::map<int, double>* times) {
        return times && times->count(500) && times->count(50000) && times->at(500) > 0
                   ? times->at(50000) / 100.0 / times->at(500)
                   : 0.0;
    };
    if (growth(list) > 0)
        std::printf("  cost per map at 50,000 maps against 500 maps: %.2fx (1x is linear; the "
                    "floor's own: %.2fx)\n",
                    growth(list), growth(floor));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
