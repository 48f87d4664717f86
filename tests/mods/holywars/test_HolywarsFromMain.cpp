// Holy Wars from the main window's button through its window's controls, Apply and Launch, for
// each bot program; every file written is compared byte for byte.
#include "mods/common/FromMain.h"

#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

struct TCase {
    const char* Bot;
    QByteArray BotFile;
};

class HolywarsFromMain : public ::testing::TestWithParam<int> {};

const QByteArray kGameCfg = Crlf({"\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                                  "\"mp_falldamage\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"0\"",
                                  "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                                  "\"mp_footsteps\"\t\t\"0\"", "\"mp_flashlight\"\t\t\"1\"",
                                  "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_teamplay\"\t\t\"0\"",
                                  "\"sv_sendvelocity\"\t\t\"0\"", "\"cl_himodels\"\t\t\"1\""});

TCase Case(int i)
{
    switch (i) {
    case 0:
        return {"Akimbot",
                Crlf({"botdontshoot 1", "bot_chat_percent 30", "bot_taunt_percent 20", "bot_whine_percent 10",
                      "addbot akedo NewBot 2", "disablebotwaypointmessage"}),
                };
    case 1:
        return {"HPB Bot",
                Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 3", "botdontshoot 1",
                      "bot_strafe_percent 35", "bot_logo_percent 40", "bot_reaction_time 2", "random_color 0",
                      "bot_chat_percent 30", "bot_taunt_percent 20", "bot_whine_percent 10",
                      "addbot akedo NewBot 2"}),
                };
    default:
        return {"Parabot", Crlf({"addbot"})};
    }
}

TEST_P(HolywarsFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const TCase c = Case(GetParam());
    const QString bot = QString::fromLatin1(c.Bot);
    TModTestEnv env(QStringLiteral("Holywars"), QStringLiteral("holywars"), QString());
    env.HL.AddFile(QStringLiteral("holywars/dlls/akimbot.dll"), "MZ");
    env.HL.AddFile(QStringLiteral("holywars/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddFile(QStringLiteral("Parabot/dlls/parabot.dll"), "MZ");
    env.HL.AddFile(QStringLiteral("Parabot/holywars/ChatEnglish.txt"), "hi\r\n");
    env.HL.AddMap(QStringLiteral("holywars"), QStringLiteral("hw_temple"));
    env.HL.AddMap(QStringLiteral("holywars"), QStringLiteral("hw_ruins"));
    env.HL.AddPlayerModel(QStringLiteral("barney"));   // Half-Life's, not the mod's
    for (const char* m : {"akedo", "ryu"})
        env.HL.AddPlayerModel(QString::fromLatin1(m), QStringLiteral("holywars"));
    env.Program.AddFile(QStringLiteral("Bots/HW_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("Holywars"), bot));
    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Holy Wars - ") + bot);
        EXPECT_EQ(w.botmodel->count(), 2);
        w.Control<TNumberEdit>(QStringLiteral("HW_fraglimit"))->SetText(QStringLiteral("25"));
        w.Control<QRadioButton>(QStringLiteral("HW_fallreal"))->click();
        w.Control<QCheckBox>(QStringLiteral("HW_footsteps"))->click();
        w.Control<QCheckBox>(QStringLiteral("HW_Bottarget"))->click();
        w.AddAllMapsClick();
        w.SBCreeBot->click();
        if (GetParam() == 2) {
            EXPECT_TRUE(w.Botskill->isHidden());
            EXPECT_TRUE(w.defskill->isHidden());
            w.Control<QCheckBox>(QStringLiteral("HW_RestrictedWeaponMode"))->click();
            w.Control<QSlider>(QStringLiteral("HW_accuracy"))->setValue(7);
        } else {
            w.Botskill->setValue(2);
            w.defskill->setValue(3);
            w.Chatfreq->setValue(30);
        }
        if (GetParam() == 1) {
            w.Control<TNumberEdit>(QStringLiteral("HW_strafe"))->SetText(QStringLiteral("35"));
            w.Control<QComboBox>(QStringLiteral("HW_Reaction_Time"))->setCurrentIndex(2);
        }
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))), kGameCfg);
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/HW_Bots.ini")));
    // The plain "skill" key and Parabot's traits as the sliders left them.
    EXPECT_TRUE(store.contains(GetParam() == 2 ? "[Bot 1]\r\nnom=NewBot\r\nmodele=akedo\r\nskill=1\r\n"
                                                 "ACCURACY=7\r\nAGGRESSION=5\r\nPERCEPTION=5\r\n"
                                               : "[Bot 1]\r\nnom=NewBot\r\nmodele=akedo\r\nskill=2\r\n"
                                                 "ACCURACY=8\r\nAGGRESSION=5\r\nPERCEPTION=5\r\n"))
        << store.toStdString();

    EXPECT_FALSE(road.Launch().isEmpty()) << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Holy Wars\"", "gamedir \"holywars\"", "url_info \"www.planethalflife.com/holywars\"",
                    "date \"March 14, 2001\"", "// url_dl \"\"", "version \"Beta1\"", "size \"26400000\"",
                    "svonly \"0\"", "cldll \"1\"", "hlversion \"1106\"", "type \"multiplayer_only\"",
                    "mpentity \"halo_base\"",
                    GetParam() == 0   ? "gamedll \"dlls\\akimbot.dll\""
                    : GetParam() == 1 ? "gamedll \"dlls\\hpb_bot.dll\""
                                      : "gamedll \"..\\Parabot\\dlls\\parabot.dll\"",
                    "nomodels \"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))), c.BotFile);
    if (GetParam() == 2)
        EXPECT_EQ(TModTestEnv::Read(env.HL.Root() + QStringLiteral("/Parabot/holywars/parabot.cfg")),
                  Crlf({"MinPlayers = 2", "PeaceMode = on", "RestrictedWeaponMode = on", "MinAimSkill = 1",
                        "MaxAimSkill = 10", "BotChat = off", "ChatFile = \"ChatEnglish.txt\"",
                        "AlwaysRespond = off"}));
}

INSTANTIATE_TEST_SUITE_P(Bots, HolywarsFromMain, ::testing::Values(0, 1, 2), [](const auto& info) {
    return std::string(info.param == 0 ? "Akimbot" : info.param == 1 ? "HPBBot" : "Parabot");
});

} // namespace
