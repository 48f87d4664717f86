// Opposing Force from the main window's button through its window's controls, Apply and Launch:
// each game type and each bot program, every file written compared byte for byte.
#include "mods/common/FromMain.h"

#include "core/UQOR.h"
#include "mods/common/BotProperties.h"
#include "mods/op4/UFop4.h"
#include "mods/op4/UOp4.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

struct TCase {
    const char* Name;
    const char* Bot;
    const char* GameType;
    QByteArray Teamplay;    // the game.cfg lines that differ
    QByteArray TeamList;
    QByteArray FallDamage;
    QByteArray BotFile;
    QByteArray Store;       // the bot's section
    const char* FirstMap;
    QByteArray MapCycle;
    const char* Dll;
};

QByteArray Line(const char* name, const char* value)
{
    return QByteArray("\"") + name + "\"\t\t\"" + value + "\"";
}

const QVector<TCase>& Cases()
{
    static const QVector<TCase> cases{
        {"AkimbotDeathmatch", "Akimbot", "Deathmatch", Line("mp_teamplay", "0"), Line("mp_teamlist", ""),
         Line("mp_falldamage", "1"),
         Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botdontshoot 1", "bot_chat_percent 30",
               "bot_taunt_percent 20", "bot_whine_percent 10", " ", "addbot Grunt NewBot 2",
               "disablebotwaypointmessage"}),
         Crlf({"[Bot 1]", "nom=NewBot", "modele=Grunt", "skill=2", "team=3", "ctfmodele=6", "ACCURACY=8",
               "AGGRESSION=5", "PERCEPTION=5"}),
         "mydm", Crlf({"op4_park"}), "dlls\\akimbot.dll"},
        {"HpbBotTeamplay", "HPB Bot", "Teamplay", Line("mp_teamplay", "1"), Line("mp_teamlist", "Barney;Grunt"),
         Line("mp_falldamage", "0"),
         Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 3", "botdontshoot 1",
               "bot_strafe_percent 35", "bot_grenade_time 15", "bot_logo_percent 40", "bot_reaction_time 2",
               "random_color 1", "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10", " ",
               "addbot gordon NewBot 0"}),
         Crlf({"[Bot 1]", "nom=NewBot", "modele=gordon", "skill=0", "team=3", "ctfmodele=6", "ACCURACY=8",
               "AGGRESSION=5", "PERCEPTION=5"}),
         "mydm", Crlf({"op4_park"}), "dlls\\hpb_bot.dll"},
        // The Deathmatch maps stay in the window's cycle but not in the file; the side and the
        // side's model go into the capture-the-flag template.
        {"HpbBotCaptureTheFlag", "HPB Bot", "Capture the Flag", Line("mp_teamplay", "0"), Line("mp_teamlist", ""),
         Line("mp_falldamage", "0"),
         Crlf({"# addbot <team> <ctfmodel> <name> <skill>", "pause 3", "", "botskill 1", "botdontshoot 1",
               "bot_strafe_percent 20", "bot_grenade_time 15", "bot_logo_percent 40", "bot_reaction_time 0",
               "random_color 0", "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10", " ",
               "addbot 1 3 NewBot 0"}),
         Crlf({"[Bot 1]", "nom=NewBot", "modele=gordon", "skill=0", "team=1", "ctfmodele=2", "ACCURACY=8",
               "AGGRESSION=5", "PERCEPTION=5"}),
         "op4ctf_wonderland", QByteArray(), "dlls\\hpb_bot.dll"},
        {"ParabotDeathmatch", "Parabot", "Deathmatch", Line("mp_teamplay", "0"), Line("mp_teamlist", ""),
         Line("mp_falldamage", "0"), Crlf({"# addbot", "pause 3", "", " ", "addbot"}),
         Crlf({"[Bot 1]", "nom=NewBot", "modele=gordon", "skill=0", "team=3", "ctfmodele=6", "ACCURACY=7",
               "AGGRESSION=5", "PERCEPTION=5"}),
         "mydm", Crlf({"op4_park"}), "..\\Parabot\\dlls\\parabot.dll"},
        {"TeamBotDeathmatch", "TeamBot", "Deathmatch", Line("mp_teamplay", "0"), Line("mp_teamlist", ""),
         Line("mp_falldamage", "0"),
         Crlf({"# addbot <model> <name> <skill>", "pause 3", "", " ", "addbot gordon NewBot 0"}),
         Crlf({"[Bot 1]", "nom=NewBot", "modele=gordon", "skill=0", "team=3", "ctfmodele=6", "ACCURACY=8",
               "AGGRESSION=5", "PERCEPTION=5"}),
         "mydm", Crlf({"op4_park"}), "dlls\\teambot.dll"},
    };
    return cases;
}

class Op4FromMain : public ::testing::TestWithParam<int> {};

void AddMaps(TModWindow& w, std::initializer_list<const char*> maps)
{
    for (int i = 0; i < w.MapDispo->count(); ++i) {
        const QString map = UQOR::BareMapName(w.MapDispo->item(i)->text());
        bool wanted = false;
        for (const char* m : maps)
            wanted = wanted || map == QLatin1String(m);
        w.MapDispo->item(i)->setSelected(wanted);
    }
    w.AddMapClick();
}

TEST_P(Op4FromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const TCase& c = Cases()[GetParam()];
    const QString bot = QString::fromLatin1(c.Bot);
    TModTestEnv env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QString());
    for (const char* dll : {"gearbox/dlls/akimbot.dll", "gearbox/dlls/hpb_bot.dll", "gearbox/dlls/teambot.dll",
                            "Parabot/dlls/parabot.dll"})
        env.HL.AddFile(QString::fromLatin1(dll), "MZ");
    env.HL.AddFile(QStringLiteral("Parabot/gearbox/ChatEnglish.txt"), "hello\r\n");
    for (const char* map : {"mydm", "ofboot3", "op4ctf_wonderland", "op4ctf_crash"})
        env.HL.AddMap(QStringLiteral("gearbox"), QString::fromLatin1(map));
    env.HL.AddFile(QStringLiteral("gearbox/maps/mydm.wpt"), "w");
    env.HL.AddFile(QStringLiteral("gearbox/maps/op4ctf_wonderland.wpt"), "w");
    env.Program.AddFile(QStringLiteral("Bots/OF_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("Op4"), bot));
    const bool closed = road.Edit([&](TModWindow& base) {
        auto& w = static_cast<TFOp4&>(base);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Opposing Force - ") + bot);
        EXPECT_EQ(w.OF_Gametype->count(), bot == QLatin1String("Parabot") ? 2 : 3);
        w.Control<TNumberEdit>(QStringLiteral("OF_fraglimit"))->SetText(QStringLiteral("25"));
        w.Control<QCheckBox>(QStringLiteral("OF_footsteps"))->click();
        if (bot != QLatin1String("Parabot") && bot != QLatin1String("TeamBot"))
            w.OF_Bottarget->click();
        if (GetParam() == 0)
            w.Control<QRadioButton>(QStringLiteral("OF_fallreal"))->click();
        // Deathmatch maps first, whatever the game type to play.
        AddMaps(w, {"mydm", "op4_park"});
        Choose(w, QStringLiteral("OF_Gametype"), QString::fromLatin1(c.GameType));
        w.SBCreeBot->click();
        if (GetParam() == 0) {
            Choose(w, QStringLiteral("OF_botmodel"), QStringLiteral("Grunt"));
            w.Botskill->setValue(2);
            w.Chatfreq->setValue(30);
        } else if (GetParam() == 1) {
            Choose(w, QStringLiteral("OF_team1"), QStringLiteral("Barney"));
            Choose(w, QStringLiteral("OF_team2"), QStringLiteral("Grunt"));
            w.defskill->setValue(3);
            w.OF_strafe->SetText(QStringLiteral("35"));
            Choose(w, QStringLiteral("OF_Reaction_Time"), QStringLiteral("Moderate"));
            w.OF_random_color->click();
        } else if (GetParam() == 2) {
            EXPECT_FALSE(w.botmodel->isVisibleTo(&w));
            QStringList offered;
            for (int i = 0; i < w.MapDispo->count(); ++i)
                offered << w.MapDispo->item(i)->text();
            EXPECT_EQ(offered, QStringList{QStringLiteral("op4ctf_wonderland *")});
            AddMaps(w, {"op4ctf_wonderland"});
            w.OF_BotBM->click();
            Choose(w, QStringLiteral("OF_botctfmodel"), QStringLiteral("Gina"));
        } else if (GetParam() == 3) {
            EXPECT_TRUE(w.Botskill->isHidden());
            w.Control<QSlider>(QStringLiteral("OF_accuracy"))->setValue(7);
            w.OF_Botchat->click();
        }
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({c.TeamList.constData(), "\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_ctf_capture\"\t\t\"0.00000\"", c.FallDamage.constData(), c.Teamplay.constData(),
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"0\"", "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_ctf_autoteam\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), c.MapCycle);
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/OF_Bots.ini")));
    EXPECT_TRUE(store.endsWith(c.Store)) << store.toStdString();
    const QByteArray type =
        "Game Type=" + QByteArray::number(UOp4::GameTypes().indexOf(QString::fromLatin1(c.GameType)));
    EXPECT_TRUE(store.contains(type + "\r\n")) << store.toStdString();

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("gearbox"), QString::fromLatin1(c.FirstMap)))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"gamedir \"gearbox\"", "game \"Opposing Force\"", "startmap \"of0a0\"", "trainmap \"ofboot0\"",
                    "url_info \"www.gearboxsoftware.com\"", "version \"1\"", "size \"96000000\"", "svonly \"0\"",
                    "cldll \"1\"", "hlversion \"1101\"", "//type \"Single\"",
                    (QByteArray("gamedll \"") + c.Dll + "\"").constData(),
                    "gamedll_linux \"dlls/opfor_i386.so\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))), c.BotFile);
    const QString parabotCfg = env.HL.Root() + QStringLiteral("/Parabot/gearbox/parabot.cfg");
    if (bot == QLatin1String("Parabot"))
        EXPECT_EQ(TModTestEnv::Read(parabotCfg),
                  Crlf({"MinPlayers = 2", "PeaceMode = off", "RestrictedWeaponMode = off", "MinAimSkill = 1",
                        "MaxAimSkill = 10", "BotChat = on", "ChatFile = \"ChatEnglish.txt\"",
                        "AlwaysRespond = off"}));
    else
        EXPECT_FALSE(TModTestEnv::Exists(parabotCfg));
}

INSTANTIATE_TEST_SUITE_P(GameTypesAndBots, Op4FromMain, ::testing::Range(0, 5),
                         [](const auto& info) { return std::string(Cases()[info.param].Name); });

} // namespace
