// How long The Opera's window takes to load everything at its first activation (LoadConf
// filling every page) on large installs: 500, 5,000 and 50,000 maps, half of them with waypoint
// files, and 500 player models. The time should grow linearly with the number of maps.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "mods/opera/UFOpera.h"
#include "mods/opera/UOpera.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// Answers every dialog silently (nothing may block a benchmark).
class TSilentDialogs : public Dialogs::IProvider {
public:
    void Message(Dialogs::TKind, const QString&, QWidget*) override {}
    bool Confirm(const QString&, QWidget*) override { return false; }
    QString SelectFolder(const QString&, const QString&, QWidget*) override { return {}; }
    bool SelectColor(QColor&, QWidget*) override { return false; }
    QString OpenFile(const QString&, const QString&, QWidget*) override { return {}; }
};

void Touch(const QString& path, const QByteArray& bytes = QByteArray())
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// One install per map count, built once.
struct TInstall {
    QTemporaryDir Dir;
    QString HL;
    QString App;

    explicit TInstall(int maps)
    {
        HL = Dir.filePath(QStringLiteral("hl"));
        App = Dir.filePath(QStringLiteral("app"));
        const QString opera = HL + QStringLiteral("/opera");
        QDir().mkpath(opera + QStringLiteral("/maps"));
        QDir().mkpath(App + QStringLiteral("/Mods"));
        QDir().mkpath(App + QStringLiteral("/Bots"));
        Touch(HL + QStringLiteral("/hl.exe"));
        for (int i = 0; i < maps; ++i) {
            const QString name = opera + QStringLiteral("/maps/op_map") + QString::number(i);
            Touch(name + QStringLiteral(".bsp"));
            if (i % 2 == 0)
                Touch(name + QStringLiteral(".wpt"));
        }
        for (int i = 0; i < 500; ++i) {
            const QString model = QStringLiteral("model") + QString::number(i);
            const QString folder = opera + QStringLiteral("/models/player/") + model;
            QDir().mkpath(folder);
            Touch(folder + QLatin1Char('/') + model + QStringLiteral(".mdl"));
        }
        QByteArray cycle;
        for (int i = 0; i < 100; ++i)
            cycle += "op_map" + QByteArray::number(i * 3 % maps) + "\r\n";
        Touch(opera + QStringLiteral("/mapcycle.txt"), cycle);
        Touch(opera + QStringLiteral("/game.cfg"),
              "\"mp_gamemode\"\t\t\"10\"\r\n\"mp_fraglimit\"\t\t\"20.00000\"\r\n");
        Touch(App + QStringLiteral("/Mods/Opera.ini"),
              "[Default]\r\ndispo=1\r\nBot1=HPB Bot\r\n[HPB Bot]\r\ndll=dlls\\hpb_bot.dll\r\n"
              "waypt=.wpt\r\nchatfile=HPB_bot_chat.txt\r\naddbot=addbot <model> <name> <skill>\r\n");
        QByteArray store = "[Default]\r\nnumbot=32\r\nskill5=2\r\nspawnbot=8\r\n";
        for (int i = 1; i <= 32; ++i)
            store += "[Bot " + QByteArray::number(i) + "]\r\nnom=Bot" + QByteArray::number(i) +
                     "\r\nmodele=model" + QByteArray::number(i) + "\r\nskill5=3\r\n";
        Touch(App + QStringLiteral("/Bots/OP_Bots.ini"), store);
    }
};

TInstall& Install(int maps)
{
    static std::map<int, std::unique_ptr<TInstall>> installs;
    auto& slot = installs[maps];
    if (!slot)
        slot = std::make_unique<TInstall>(maps);
    return *slot;
}

void BM_OperaFirstActivation(benchmark::State& state)
{
    const int maps = static_cast<int>(state.range(0));
    TInstall& install = Install(maps);
    UInit::AppPath = install.App;
    UInit::HLPath = install.HL;
    UInit::BuildModDirs();
    UInit::SelectedMod = QStringLiteral("Opera");
    UInit::SelectedBot = QStringLiteral("HPB Bot");
    TIniFile::FlushCache();
    for (auto _ : state) {
        auto window = std::make_unique<TFOpera>();
        window->FormActivate();
        benchmark::DoNotOptimize(window->MapDispo);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(maps);
}

BENCHMARK(BM_OperaFirstActivation)
    ->Arg(500)
    ->Arg(5000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir registry;
    qputenv("QORVANE_REGISTRY", registry.filePath(QStringLiteral("registry.ini")).toLocal8Bit());
    QApplication app(argc, argv);
    TSilentDialogs dialogs;
    Dialogs::SetProvider(&dialogs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Dialogs::SetProvider(nullptr);
    return 0;
}
