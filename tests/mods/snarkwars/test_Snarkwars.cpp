// Snark Wars from the main window's button through its window, Apply and Launch (teams on and
// off), and its map list on Half-Life's maps with the optional and the required waypoint keys.
#include "mods/common/FromMain.h"

#include "core/UQOR.h"
#include "mods/snarkwars/USnarkwars.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {

QStringList Entries(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void SelectMaps(QListWidget* list, const QStringList& maps)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(maps.contains(UQOR::BareMapName(list->item(i)->text())));
}

class SnarkwarsFromMain : public ::testing::TestWithParam<bool> {};

TEST_P(SnarkwarsFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const bool teamplay = GetParam();
    TModTestEnv env(QStringLiteral("Snark_wars"), QStringLiteral("snark_wars"), QString());
    env.HL.AddFile(QStringLiteral("snark_wars/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    env.HL.AddMap(QStringLiteral("snark_wars"), QStringLiteral("sw_own"));   // not offered
    env.HL.AddFile(QStringLiteral("snark_wars/maps/crossfire.wpt"));
    for (const char* m : {"gordon", "gina", "barney"})
        env.HL.AddPlayerModel(QString::fromLatin1(m));
    env.Program.AddFile(QStringLiteral("Bots/SW_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("Snark_wars"), QStringLiteral("Akimbot")));
    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Snark Wars - Akimbot"));
        EXPECT_EQ(w.MapLabel->text(), QStringLiteral("* Waypoints\r\n"));
        EXPECT_TRUE(Entries(w.MapDispo).contains(QStringLiteral("crossfire *")));
        EXPECT_TRUE(Entries(w.MapDispo).contains(QStringLiteral("boot_camp ")));
        EXPECT_FALSE(Entries(w.MapDispo).join(QLatin1Char('|')).contains(QStringLiteral("sw_own")));
        w.Control<QRadioButton>(QStringLiteral("SW_teamplay"))->click();
        Choose(w, QStringLiteral("SW_team1"), QStringLiteral("gina"));
        Choose(w, QStringLiteral("SW_team2"), QStringLiteral("gordon"));
        if (!teamplay)
            w.Control<QRadioButton>(QStringLiteral("SW_deathmatch"))->click();
        w.Control<QCheckBox>(QStringLiteral("SW_weaponstay"))->click();
        // Every chat rate is a saved setting: moving any of them is an edit.
        for (QSlider* rate : {w.Chatfreq, w.chatfreq_kill, w.Chatfreq_died}) {
            w.Logic().State.Modified = 0;
            rate->setValue(rate->value() + 5);
            EXPECT_EQ(w.Logic().State.Modified, 1) << rate->objectName().toStdString();
        }
        SelectMaps(w.MapDispo, {QStringLiteral("boot_camp"), QStringLiteral("crossfire")});
        w.AddMapClick();
        w.SBCreeBot->click();
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"gina;gordon\"", "\"mp_fraglimit\"\t\t\"0.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                    teamplay ? "\"mp_teamplay\"\t\t\"1\"" : "\"mp_teamplay\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"crossfire"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/SW_Bots.ini"))),
              Crlf({"[Default]", "numbot=1", "skill5=1", "spawnbot=1", "chatfreq=15",
                    "chatfreq_kill=25", "chatfreq_died=15", "[Bot 1]", "nom=NewBot",
                    "modele=gordon", "skill5=1"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("snark_wars"), QStringLiteral("boot_camp")))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Snark Wars\" // Game title",
                    "url_info \"www.planethalflife.com/snarkwars\" // Info URL",
                    "url_dl \"\" // Downloading URL", "version \"0.02\" // version of mod",
                    "size \"notthatbig\" // size of mod",
                    "svonly \"0\" // server side only mod? (1=yes 0=no)",
                    "cldll \"0\" // client side dll? (1=yes 0=no)",
                    "hlversion \"1108\" // version of halflife",
                    "type \"multiplayer_only\" // type of mod--don't know values that go here..",
                    "nomodels \"0\" // game selects player model (1=yes 0=no)",
                    "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "bot_chat_percent 15", "bot_taunt_percent 25", "bot_whine_percent 15",
                    "addbot gordon NewBot 1", "disablebotwaypointmessage"}));
}

INSTANTIATE_TEST_SUITE_P(Teams, SnarkwarsFromMain, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Teamplay" : "DeathMatch"; });

TEST(Snarkwars, TheWaypointKeysMarkOrHideMapsAndRestoreDefaultEmptiesTheCycle)
{
    TModTestEnv env(QStringLiteral("Snark_wars"), QStringLiteral("snark_wars"), QString());
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    env.HL.AddFile(QStringLiteral("snark_wars/maps/crossfire.wpt"));
    env.HL.AddFile(QStringLiteral("snark_wars/maps/bounce.way"));
    env.HL.AddFile(QStringLiteral("snark_wars/mapcycle.txt"), "crossfire\r\nbounce\r\n");
    const QByteArray mods = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Mods/Snark_wars.ini")));
    env.Program.AddFile(QStringLiteral("Mods/Snark_wars.ini"),
                        mods + "\r\n[Only]\r\ndll=dlls\\only.dll\r\nwaypt=.way\r\n"
                               "\r\n[Both]\r\ndll=dlls\\both.dll\r\nwaypt=.way\r\noptwaypt=.wpt\r\n");
    env.Program.AddFile(QStringLiteral("Bots/SW_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    struct {
        const char* Bot;
        QStringList Available;   // the first three entries
        QStringList Cycle;
    } cases[] = {
        {"Akimbot", {"boot_camp ", "bounce ", "crossfire *"}, {"crossfire", "bounce"}},
        {"Only", {"bounce "}, {"bounce"}},
        {"Both", {"bounce "}, {"bounce"}},
    };
    for (const auto& c : cases) {
        UInit::SelectedBot = QString::fromLatin1(c.Bot);
        TIniFile::FlushCache();
        std::unique_ptr<QDialog> d(ModTable::Find(QStringLiteral("Snark_wars"))->Hooks.CreateWindow(nullptr));
        auto* w = qobject_cast<TModWindow*>(d.get());
        w->FormActivate();
        EXPECT_EQ(Entries(w->MapDispo).mid(0, 3), c.Available) << c.Bot;
        EXPECT_EQ(Entries(w->MapCycle), c.Cycle) << c.Bot;
        EXPECT_EQ(w->MapLabel->text(), QStringLiteral("* Waypoints\r\n")) << c.Bot;
        env.Dialogs.ExpectConfirm(true);
        w->BRestoreDefClick();
        EXPECT_EQ(w->MapCycle->count(), 0) << c.Bot;
    }
}

} // namespace
