// Template variants of the Maps page and the launch writers on a bare window borrowing The
// Opera's row: maps from Half-Life's own folder with a required waypoint extension and its legend,
// a Restore Default that empties the map cycle, the caption after activation, the bot count of a
// listen server and the gamedll_linux line an older liblist.gam held.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

class TProbeWindow : public TModWindow {
public:
    explicit TProbeWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }
};

TModTraits StockMapTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");
    s.Prefix = QStringLiteral("PB");
    s.Title = QStringLiteral("Probe Design");
    s.ActiveTitle = QStringLiteral("Probe's");
    s.ShortName = QStringLiteral("Probe");
    s.ValveMaps = true;
    s.DefaultsEmptyMapCycle = true;
    s.WaypointKey.clear();
    s.RequiredWaypointKey = QStringLiteral("waypt");
    s.LegendKeys = {QStringLiteral("waypt")};
    return s;
}

QStringList Entries(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class MapsVariants : public ::testing::Test {
protected:
    MapsVariants() : Env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("Probe Bot"))
    {
        Env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
        Env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("Gasworks"));
        Env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_only_here"));
        Env.HL.AddFile(QStringLiteral("opera/wpt/gasworks.wpt"));
        Env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "crossfire\r\nGasworks\r\nop_only_here\r\n");
        Env.Program.AddFile(QStringLiteral("Bots/PB_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
        ModTable::Find(QStringLiteral("Opera"))->Profile.DeathmatchStockMaps = true;
    }
    void Bot(const QByteArray& keys)
    {
        Env.Program.AddFile(QStringLiteral("Mods/Opera.ini"),
                            "[Default]\r\ndispo=1\r\nBot1=Probe Bot\r\n[Probe Bot]\r\ndll=dlls\\p.dll\r\n" + keys);
        TIniFile::FlushCache();
    }
    TModTestEnv Env;
};

TEST_F(MapsVariants, StockMapsWithARequiredWaypointShowOnlyWaypointedMapsAndTheLegend)
{
    struct {
        const char* Keys;
        QStringList Available;
        QStringList Cycle;
        const char* Legend;
    } cases[] = {
        {"waypath=wpt\r\nwaypt=.wpt\r\n", {"Gasworks "}, {"Gasworks"}, "* Waypoints\r\n"},
        {"waypath=wpt\r\n",
         {"boot_camp ", "bounce ", "crossfire ", "datacore ", "Gasworks ", "lambda_bunker ",
          "snark_pit ", "stalkyard ", "subtransit ", "undertow "},
         {"crossfire", "Gasworks"}, ""},
    };
    for (const auto& c : cases) {
        Bot(c.Keys);
        TModLogic logic(StockMapTraits());
        TProbeWindow w(logic);
        w.FormActivate();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Probe's - Probe Bot"));
        EXPECT_EQ(Entries(w.MapDispo), c.Available) << c.Keys;
        EXPECT_EQ(Entries(w.MapCycle), c.Cycle) << c.Keys;
        EXPECT_EQ(w.MapLabel->text(), QString::fromLatin1(c.Legend)) << c.Keys;
    }
}

TEST_F(MapsVariants, RestoreDefaultEmptiesTheCycleOnlyWhereTheModSaysSo)
{
    Bot("waypath=wpt\r\n");
    for (const bool empties : {true, false}) {
        TModTraits traits = StockMapTraits();
        traits.DefaultsEmptyMapCycle = empties;
        TModLogic logic(traits);
        logic.RegisterHooks({});
        TProbeWindow w(logic);
        w.FormActivate();
        ASSERT_EQ(w.MapCycle->count(), 2);
        Env.Dialogs.ExpectConfirm(true);
        w.BRestoreDefClick();
        EXPECT_EQ(w.MapCycle->count(), empties ? 0 : 2) << empties;
        EXPECT_EQ(logic.State.Modified, 1);
    }
}

TEST_F(MapsVariants, AListenServerGetsAtMostThirtyOneBots)
{
    Bot("addbot=addbot <name>\r\n");
    Env.Program.AddFile(QStringLiteral("Bots/PB_Bots.ini"), "[Default]\r\nspawnbot=40\r\n");
    TIniFile::FlushCache();
    for (const auto& [dedicated, bots] : {std::pair{"N", 31}, std::pair{"O", 32}}) {
        UInit::DedicatedSetting = QString::fromLatin1(dedicated);
        TModLogic logic(StockMapTraits());
        QString error;
        ASSERT_TRUE(logic.WriteBotCfg(error)) << error.toStdString();
        const QByteArray bytes = TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
        EXPECT_EQ(bytes.split('\n').count("addbot \r"), bots) << dedicated;
    }
}

TEST_F(MapsVariants, RewritingLiblistKeepsAnOldGamedllLinuxLineAfterTheGamedllOne)
{
    Bot("");
    struct TLogic : TModLogic {
        explicit TLogic(QStringList lines) : TModLogic(StockMapTraits()), Lines(std::move(lines)) {}
        QStringList LiblistLines(const QString& dll) const override
        {
            QStringList l = Lines;
            l.insert(1, ModWriters::GameDllLine(dll));
            return l;
        }
        QStringList Lines;
    };
    struct {
        const char* Old;          // the liblist.gam before ("" none)
        QStringList Lines;        // the mod's lines around its gamedll line
        const char* Expected;
    } cases[] = {
        {"game \"Old\"\r\n  GAMEDLL_LINUX \"dlls/p_i386.so\" // built\r\n", {"game \"P\"", "type \"x\""},
         "game \"P\"\r\ngamedll \"dlls\\p.dll\"\r\n  GAMEDLL_LINUX \"dlls/p_i386.so\" // built\r\ntype \"x\"\r\n"},
        {"gamedll_linux \"dlls/old.so\"\r\n", {"game \"P\"", "gamedll_linux \"dlls/own.so\""},
         "game \"P\"\r\ngamedll \"dlls\\p.dll\"\r\ngamedll_linux \"dlls/own.so\"\r\n"},
        {"game \"Old\"\r\ngamedll_linuxx \"x\"\r\n", {"game \"P\""}, "game \"P\"\r\ngamedll \"dlls\\p.dll\"\r\n"},
        {"", {"game \"P\""}, "game \"P\"\r\ngamedll \"dlls\\p.dll\"\r\n"},
    };
    for (const auto& c : cases) {
        const QString path = Env.ModFile(QStringLiteral("liblist.gam"));
        QFile::remove(path);
        if (*c.Old)
            Env.HL.AddFile(QStringLiteral("opera/liblist.gam"), c.Old);
        TLogic logic(c.Lines);
        QString error;
        ASSERT_TRUE(logic.WriteLiblist(error)) << error.toStdString();
        EXPECT_EQ(TModTestEnv::Read(path), QByteArray(c.Expected)) << c.Old;
    }
}

} // namespace
