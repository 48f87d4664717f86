// Speed of the lookups the windows repeat most: a bot store of a thousand sections read key by
// key and saved in one batch, and case-insensitive resolution of names in a folder of thousands of maps.
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void IniReadKeyByKey(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Bots.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    for (int i = 0; i < 1000; ++i)
        f.write("[Bot" + QByteArray::number(i) + "]\r\nname=n\r\nskill=3\r\nmodel=gordon\r\n"
                "team=1\r\naccuracy=5\r\n");
    f.close();
    TIniFile ini(dir.path() + "\\BOTS.INI");
    for (auto _ : state) {
        int sum = 0;
        for (int i = 0; i < 1000; ++i) {
            const QString section = QStringLiteral("Bot%1").arg(i);
            sum += ini.ReadInteger(section, "skill", 0) + ini.ReadInteger(section, "team", 0);
            benchmark::DoNotOptimize(ini.ReadString(section, "model", ""));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(IniReadKeyByKey)->Unit(benchmark::kMillisecond);

// A mod window saving its bot store: every bot's keys written one by one, as the windows do.
void IniWriteKeyByKey(benchmark::State& state)
{
    QTemporaryDir dir;
    TIniFile ini(dir.filePath("Bots.ini"));
    const int bots = int(state.range(0));
    int round = 0;
    for (auto _ : state) {
        ++round;   // new values each round, so every write really reaches the disk
        for (int i = 0; i < bots; ++i) {
            const QString section = QStringLiteral("Bot%1").arg(i);
            ini.WriteString(section, "name", QStringLiteral("n%1_%2").arg(i).arg(round));
            ini.WriteInteger(section, "skill", (i + round) % 5);
            ini.WriteString(section, "model", round % 2 ? "gordon" : "barney");
        }
    }
    state.SetItemsProcessed(state.iterations() * bots * 3);
}
BENCHMARK(IniWriteKeyByKey)->Arg(32)->Unit(benchmark::kMillisecond);

// The windows' real save: the whole store's keys written in one batch and committed once. Each
// write costs its own lines, so 1,024 bots take about 32 times what 32 do, not a thousand times.
void IniBatchSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Bots.ini");
    const int bots = int(state.range(0));
    int round = 0;
    for (auto _ : state) {
        ++round;
        TIniFile ini(path);
        ini.BeginBatch();
        ini.WriteInteger("Default", "numbot", bots);
        for (int i = 1; i <= bots; ++i) {
            const QString section = QStringLiteral("Bot %1").arg(i);
            ini.WriteString(section, "nom", QStringLiteral("n%1_%2").arg(i).arg(round));
            ini.WriteString(section, "modele", round % 2 ? "gordon" : "barney");
            ini.WriteInteger(section, "skill", (i + round) % 5);
            ini.WriteInteger(section, "team", i % 2);
        }
        benchmark::DoNotOptimize(ini.Commit());
    }
    state.SetItemsProcessed(state.iterations() * bots * 4);
}
BENCHMARK(IniBatchSave)->Arg(32)->Arg(1024)->Unit(benchmark::kMillisecond);

void ResolveInLargeFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Valve/Maps");
    for (int i = 0; i < 3000; ++i) {
        QFile f(dir.filePath(QStringLiteral("Valve/Maps/Map%1.bsp").arg(i)));
        f.open(QIODevice::WriteOnly);
    }
    const QString base = dir.path();
    for (auto _ : state) {
        for (int i = 0; i < 3000; i += 10)
            benchmark::DoNotOptimize(FileSys::Resolve(base + QStringLiteral("/valve/maps/MAP%1.BSP").arg(i)));
    }
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(ResolveInLargeFolder)->Unit(benchmark::kMillisecond);

void ListMapsByMask(benchmark::State& state)
{
    QTemporaryDir dir;
    for (int i = 0; i < 3000; ++i) {
        QFile f(dir.filePath(QStringLiteral("map%1.%2").arg(i).arg(i % 3 ? "bsp" : "BSP")));
        f.open(QIODevice::WriteOnly);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(FileSys::ListFiles(dir.path(), "*.bsp"));
}
BENCHMARK(ListMapsByMask)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
