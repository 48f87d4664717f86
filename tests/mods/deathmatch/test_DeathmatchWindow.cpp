// The real Half-Life Deathmatch window, driven offscreen through its named controls with
// scripted dialogs: what each bot program shows, Jumbot's file, the bot store read and written,
// the team check and the folders a save needs.
#include "mods/common/ModTestEnv.h"

#include "mods/common/BotProperties.h"
#include "mods/common/TeamPanel.h"
#include "mods/deathmatch/UDeathmatch.h"
#include "mods/deathmatch/UFDeathmatch.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <memory>

namespace {

using Kind = Dialogs::TKind;

class DeathmatchWindow : public ::testing::Test {
protected:
    DeathmatchWindow() : Env(QStringLiteral("Deathmatch"), QStringLiteral("valve"), QStringLiteral("HPB Bot"))
    {
        Env.HL.AddPlayerModel(QStringLiteral("gordon"));
        Env.HL.AddPlayerModel(QStringLiteral("barney"));
        Env.HL.AddPlayerModel(QStringLiteral("helmet"));
        Env.HL.AddMod(QStringLiteral("jumbot"));
        Env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
        UInit::ListPlayerModels();
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFDeathmatch> Open(const QString& bot)
    {
        UInit::SelectedBot = bot;
        TIniFile::FlushCache();
        auto w = std::make_unique<TFDeathmatch>();
        w->FormActivate();
        return w;
    }
    static QStringList Pages(const QTabWidget* tabs)
    {
        QStringList out;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i))
                out << tabs->tabText(i);
        return out;
    }
    static bool Shown(const TModWindow& w, const char* name)
    {
        const QWidget* c = w.ControlWidget(QString::fromLatin1(name));
        return c && !c->isHidden();
    }
    TModTestEnv Env;
};

struct TLayoutCase {
    const char* Bot;
    const char* Pages;
    const char* PropertyPages;
    const char* Shown;      // controls shown
    const char* Hidden;     // controls hidden
    const char* SkillLabel;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.Bot; }

class DeathmatchLayout : public DeathmatchWindow, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(DeathmatchLayout, FirstActivationShowsWhatTheBotProgramUses)
{
    const TLayoutCase& c = GetParam();
    auto w = Open(QString::fromLatin1(c.Bot));
    EXPECT_EQ(Pages(w->PC).join(QLatin1Char('|')), QString::fromLatin1(c.Pages));
    EXPECT_EQ(Pages(w->BotTabs->Tabs).join(QLatin1Char('|')), QString::fromLatin1(c.PropertyPages));
    for (const QString& name : QString::fromLatin1(c.Shown).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        EXPECT_TRUE(Shown(*w, name.toLatin1().constData())) << name.toStdString();
    for (const QString& name : QString::fromLatin1(c.Hidden).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        EXPECT_FALSE(Shown(*w, name.toLatin1().constData())) << name.toStdString();
    EXPECT_EQ(w->Lab_bot_skill->text(), QString::fromLatin1(c.SkillLabel));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("HL Deathmatch - ") + QString::fromLatin1(c.Bot));
}

INSTANTIATE_TEST_SUITE_P(
    Bots, DeathmatchLayout,
    ::testing::Values(
        TLayoutCase{"Akimbot", "Game|Maps|Bots|Chat", "Properties", "DM_Chatfreq DM_chatfreq_kill DM_defskill",
                    "DM_Botskill DM_Botparam2 DM_spawndelay DM_botchat DM_Selectchat", "Bot Default Skill"},
        TLayoutCase{"HPB Bot", "Game|Maps|Bots|Chat", "Properties",
                    "DM_Botskill DM_Reaction_Time DM_random_color DM_Chatfreq_died",
                    "DM_squads DM_Botparam2 DM_AlwaysRespond", "Bot Default Skill"},
        TLayoutCase{"Jumbot", "Game|Maps|Bots|A.I.|Chat|Waypoints|Moron Bots", "Properties",
                    "DM_squads DM_leadsys DM_spawndelay DM_bot_random DM_Botparam2 DM_BotParam1 DM_Botskill "
                    "DM_botchat DM_chatfreq_kill DM_bot_ordering DM_ackteam DM_orders",
                    "DM_Chatfreq DM_RestrictedWeaponMode DM_Reaction_Time", "Difficulty level"},
        TLayoutCase{"OddBot", "Game|Maps|Bots|Chat", "Properties", "DM_Selectchat DM_Chatfreq",
                    "DM_chatfreq_kill DM_Botskill", "Bot Default Skill"},
        TLayoutCase{"Parabot", "Game|Maps|Bots|Chat", "Properties|Behaviours",
                    "DM_accuracy DM_perception DM_AlwaysRespond DM_botchat DM_RestrictedWeaponMode DM_Chatfreq",
                    "DM_jump DM_reflexes DM_defskill Lab_bot_skill DM_Botskill DM_squads", "Bot Default Skill"},
        TLayoutCase{"Phineas", "Game|Maps|Bots", "Properties", "DM_spawndelay DM_bot_random DM_Botparam2",
                    "DM_defskill Label13 DM_Botskill", "Bot Default Skill"},
        TLayoutCase{"RCBot", "Game|Maps|Bots", "Properties", "DM_Botskill DM_defskill", "DM_Botparam2",
                    "Bot Default Skill"},
        TLayoutCase{"Rho-Bot", "Game|Maps|Bots", "Properties|Behaviours|Weapons",
                    "DM_jump DM_reflexes DM_tripmine DM_Botparam2 DM_BotParam1", "DM_Botskill DM_spawndelay",
                    "Difficulty level"},
        TLayoutCase{"TeamBot", "Game|Maps|Bots", "Properties", "", "DM_defskill Lab_bot_skill DM_Botskill",
                    "Bot Default Skill"}),
    [](const auto& info) {
        std::string name = info.param.Bot;
        name.erase(std::remove_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }), name.end());
        return name;
    });

TEST_F(DeathmatchWindow, JumbotFileIsReadAndWrittenInTheBotsFolder)
{
    Env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"),
                        "[Default]\r\nnumbot=1\r\nspawnbot=3\r\nbot_random=1\r\nskill5=2\r\nspawndelay=6\r\n"
                        "BotChat=1\r\nchatfreq_kill=25\r\nchatfreq_died=14\r\n[Bot 1]\r\nnom=Ann\r\n");
    Env.Program.AddFile(QStringLiteral("QOR.ini"), "[Deathmatch]\r\nFirst Map=crossfire\r\n");
    Env.Program.AddFile(QStringLiteral("mapcycle.txt"), "stalkyard\r\n");
    const QString cfg = Env.HL.AddFile(QStringLiteral("jumbot/jumbot.cfg"),
                                       "// old\r\nbot_viewdelay 0.10\r\nbot_thinkspeed 1\r\nbot_tripmines 0\r\n"
                                       "bweap_tripmine 7\r\nBot_Weaprun 5\r\nbotusefov 0\r\nbotfov 120\r\n"
                                       "bot_ordering 1\r\nbweap_mp5 3\r\nbot_yawspeed fast\r\n");
    const QString orders = Env.HL.AddFile(QStringLiteral("jumbot/botorder.cfg"), "follow me\r\n");
    auto w = Open(QStringLiteral("Jumbot"));
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("DM_bot_viewdelay"))->Text(), QStringLiteral("10"));
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("DM_bot_thinkspeed"))->Text(), QStringLiteral("10"));
    // The command names are case-sensitive; a value that is no number reads as the default.
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("DM_bot_weaprun"))->Text(), QStringLiteral("9"));
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("DM_bot_yawspeed"))->Text(), QStringLiteral("25"));
    EXPECT_TRUE(w->Control<QSlider>(QStringLiteral("DM_bweap_tripmine"))->isHidden());
    EXPECT_EQ(w->Control<QSlider>(QStringLiteral("DM_bweap_tripmine"))->value(), 0);
    EXPECT_FALSE(w->Control<TNumberEdit>(QStringLiteral("DM_Botfov"))->isEnabled());
    EXPECT_EQ(w->DM_orders->toPlainText(), QStringLiteral("follow me"));
    EXPECT_EQ(UDeathmatch::Logic().State.Modified, 0);

    w->DM_orders->setPlainText(QStringLiteral("follow me\nhold"));
    EXPECT_EQ(UDeathmatch::Logic().State.Modified, 1);
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(orders), QByteArray("follow me\r\nhold\r\n"));
    EXPECT_EQ(TModTestEnv::Read(cfg),
              QByteArray("// This file was generated by Qorvane\r\n"
                         "// don't modify anything unless you know what you're doing !\r\n \r\n"
                         "map crossfire\r\nbot_random 1\r\nbot_num 3\r\nbot_weaprun 9\r\nbot_skill 2\r\n"
                         "botcfgfile bots.cfg\r\nchatfile exchat.cfg\r\nbotchat 1\r\nbot_ordering 1\r\n"
                         "chatfreq_killed 3\r\nchatfreq_died 1\r\nbot_distance 4096\r\nbot_checkdistance 1\r\n"
                         "bot_tripmines 0\r\nbot_longjump 0\r\nbot_gauss 1\r\nbot_turret 1\r\nbot_rpgaimlow 1\r\n"
                         "bot_runaway 1\r\nbot_hunt 1\r\nbothearing 1\r\nbotpain 1\r\nbotusefov 0\r\nbotfov 120\r\n"
                         "botaccuracy 10\r\nbot_run_worse 8\r\nbotspeed 0\r\nbot_crowbar 0\r\nspeedup 0\r\n"
                         "spawndelay 6\r\nbot_squads 0\r\nbot_snipers 0\r\nbot_campers 0\r\nbot_objavoid 0\r\n"
                         "bot_funcsmash 0\r\nbot_leadsys 0\r\nbot_ackteam 0\r\nbot_realgame 0\r\n"
                         "bot_thinkspeed 1\r\nbot_angleupdate 1\r\nbot_viewdelay 1\r\nbot_yawspeed 25\r\n"
                         "waypoints 1\r\nnav_autogen 0\r\nwp_autoplace 0\r\nwp_jumpplace 0\r\nbot_wppref 1\r\n"
                         "bot_advp 1\r\nbweap_crowbar 0\r\nbweap_glock 10\r\nbweap_python 16\r\nbweap_mp5 3\r\n"
                         "bweap_shotgun 17\r\nbweap_crossbow 15\r\nbweap_rpg 20\r\nbweap_gauss 21\r\n"
                         "bweap_egon 22\r\nbweap_hornet 12\r\nbweap_grenade 13\r\nbweap_snark 14\r\n"
                         "bweap_satchel 5\r\nbweap_tripmine -10\r\nwp_edit 0\r\nwp_vis 0\r\nbotmsec 0\r\n"
                         "msecdiv 800\r\nmsec_min 10\r\nmsec_max 75\r\nbot_keepsettings 1\r\nnostartexec 1\r\n"
                         "echo \"The jumbot.cfg file has been executed.\"\r\n"));

    // Without the file the window keeps its defaults and says where it looked.
    QFile::remove(cfg);
    Env.Dialogs.Clear();
    auto again = Open(QStringLiteral("Jumbot"));
    const QStringList errors = Env.Dialogs.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Can't find jumbot.cfg in "))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("jumbot"))) << errors[0].toStdString();
    EXPECT_EQ(again->Control<TNumberEdit>(QStringLiteral("DM_bot_viewdelay"))->Text(), QStringLiteral("5"));
}

TEST_F(DeathmatchWindow, StoreReadsHandEditedValuesAsDefaultsAndSavesTheGameSettings)
{
    Env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"),
                        "[game.cfg]\r\nmp_teamlist=gordon;barney;;helmet\r\nmp_teamplay=1\r\nmp_falldamage=1.0\r\n"
                        "mp_fraglimit=abc\r\n[default]\r\nnumbot=1\r\nspawnbot=abc\r\nspawndelay=99\r\n"
                        "[Bot 1]\r\nnom=Ann\r\nmodele=barney\r\nskill100=140\r\nparam1=x\r\nJUMP=lots\r\nEGON=300\r\n");
    auto w = Open(QStringLiteral("Rho-Bot"));
    EXPECT_TRUE(w->DM_fallnorm->isChecked());
    EXPECT_TRUE(w->TeamPanel->IsTeamplay());
    EXPECT_EQ(w->TeamPanel->Teams[2]->currentIndex(), -1);
    EXPECT_EQ(w->TeamPanel->Teams[3]->currentText(), QStringLiteral("helmet"));
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("DM_fraglimit"))->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("2"));
    EXPECT_EQ(w->DM_spawndelay->Text(), QStringLiteral("30"));
    EXPECT_EQ(w->Botskill->value(), 100);
    EXPECT_EQ(w->DM_BotParam1->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->Control<QSlider>(QStringLiteral("DM_jump"))->value(), 1);
    EXPECT_EQ(w->Control<QSlider>(QStringLiteral("DM_egon"))->value(), 100);
    EXPECT_TRUE(Env.Dialogs.Texts().isEmpty()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    // A new bot starts with every slot of its record; the property pages show it.
    w->SBCreeBot->click();
    EXPECT_EQ(w->Control<QSlider>(QStringLiteral("DM_accuracy"))->value(), 88);
    w->Control<QSlider>(QStringLiteral("DM_accuracy"))->setValue(61);
    w->MapCycle->addItem(QStringLiteral("crossfire"));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const TIniFile store(Env.ProgramFile(QStringLiteral("Bots/HL_Bots.ini")));
    TIniFile::FlushCache();
    EXPECT_EQ(store.ReadString(QStringLiteral("game.cfg"), QStringLiteral("mp_teamlist"), QString()),
              QStringLiteral("gordon;barney;helmet"));
    EXPECT_EQ(store.ReadString(QStringLiteral("game.cfg"), QStringLiteral("mp_falldamage"), QString()), QStringLiteral("0"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 1"), QStringLiteral("skill100"), QString()), QStringLiteral("100"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 2"), QStringLiteral("ACCURACY"), QString()), QStringLiteral("61"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 2"), QStringLiteral("TRIPMINE"), QString()), QStringLiteral("5"));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 2"), QStringLiteral("param2"), QString()), QStringLiteral("10"));
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("mapcycle.txt"))), QByteArray(""));
}

TEST_F(DeathmatchWindow, TeamCheckOnlyForATeamGameAndFoldersBeforeSaving)
{
    Env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\n");
    Env.Program.AddFile(QStringLiteral("mapcycle.txt"), "");
    Env.Program.AddFile(QStringLiteral("QOR.ini"), "[Deathmatch]\r\nFirst Map=crossfire\r\n");
    const std::tuple<bool, int, int, int> cases[] = {
        // teamplay, team 1, team 2, errors
        {false, -1, -1, 0}, {true, 0, -1, 1}, {true, -1, 1, 1}, {true, -1, -1, 1}, {true, 0, 1, 0}};
    for (const auto& [teamplay, t1, t2, errors] : cases) {
        auto w = Open(QStringLiteral("HPB Bot"));
        Env.Dialogs.Clear();
        if (teamplay)
            w->TeamPanel->Teamplay->click();
        w->TeamPanel->Teams[0]->setCurrentIndex(t1);
        w->TeamPanel->Teams[1]->setCurrentIndex(t2);
        EXPECT_EQ(UDeathmatch::Logic().CheckConf(), errors == 0);
        EXPECT_EQ(Env.Dialogs.Texts(Kind::Error).count(TTeamPanel::TwoTeamsMessage()), errors)
            << teamplay << t1 << t2;
    }

    // A bot program without its folders is refused before anything is saved.
    Env.Program.AddFile(QStringLiteral("Mods/HL-DM.ini"), "[Lost Bot]\r\ndll=dlls\\l.dll\r\ngame=valve\r\n");
    const QByteArray before = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/HL_Bots.ini")));
    auto w = Open(QStringLiteral("Lost Bot"));
    Env.Dialogs.Clear();
    w->SBCreeBot->click();
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    ASSERT_FALSE(Env.Dialogs.Texts(Kind::Error).isEmpty());
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).first().contains(QStringLiteral("\"path\"")))
        << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/HL_Bots.ini"))), before);
}

TEST_F(DeathmatchWindow, OddBotChatChooserShowsAndSavesTheLoadedFile)
{
    const QString loss = Env.HL.AddFile(QStringLiteral("valve/odd_loss.txt"), "so close\r\n");
    const QString taunt = Env.HL.AddFile(QStringLiteral("valve/odd_taunt.txt"), "too easy\r\n");
    auto w = Open(QStringLiteral("OddBot"));
    EXPECT_EQ(w->Selectchat->currentText(), QStringLiteral("odd_loss.txt"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("so close"));
    w->chatkill->setPlainText(QStringLiteral("so close\nnext time"));
    EXPECT_EQ(UDeathmatch::Logic().State.Modified, 1);
    w->Selectchat->setCurrentIndex(w->Selectchat->findText(QStringLiteral("odd_taunt.txt")));
    w->SelectChatChange();
    EXPECT_EQ(TModTestEnv::Read(loss), QByteArray("so close\r\nnext time\r\n"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("too easy"));
    EXPECT_EQ(UDeathmatch::Logic().State.ChatFileName, QStringLiteral("odd_taunt.txt"));
    // A file that is not there starts empty, and nothing of the last file follows it.
    w->Selectchat->setCurrentIndex(w->Selectchat->findText(QStringLiteral("odd_victory.txt")));
    w->SelectChatChange();
    EXPECT_TRUE(w->chatkill->toPlainText().isEmpty());
    EXPECT_EQ(TModTestEnv::Read(taunt), QByteArray("too easy\r\n"));
}

} // namespace
