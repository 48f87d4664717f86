// Worms HL end to end: from the main window's button through the real window's controls, Apply
// and Launch, every written file compared byte for byte; then the team a bot's place gives it,
// the bot file's variations and the damaged stores.
#include "mods/common/ModTestEnv.h"

#include "mods/wormshl/UFWormsHL.h"
#include "mods/wormshl/UWormsHL.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(QStringLiteral("wormshl/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("wormshl"), QStringLiteral("worms_island"));
    env.HL.AddMap(QStringLiteral("wormshl"), QStringLiteral("worms_cheese"));
}

TEST(WormsHLFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("WormsHL"), QStringLiteral("wormshl"), QString());
    AddTree(env);
    env.Program.AddFile(QStringLiteral("Bots/WO_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());
    env.HL.AddFile(QStringLiteral("wormshl/akimbot_chat.txt"), "hello %n\r\n");

    TMain main;
    main.ModButtonClick(QStringLiteral("WormsHL"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("Akimbot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("Akimbot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFWormsHL*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Worms HL - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Worms"));
        EXPECT_EQ(w->botmodel, nullptr);
        EXPECT_EQ(w->Botskill->minimum(), 1);
        EXPECT_EQ(w->defskill->minimum(), 1);
        EXPECT_EQ(w->WO_tourlimit->Text(), QStringLiteral("25"));
        EXPECT_TRUE(w->WO_fallnorm->isChecked());
        w->WO_tourlimit->SetText(QStringLiteral("40"));
        w->WO_fallreal->click();
        EXPECT_EQ(UWormsHL::Logic().State.Modified, 1);
        w->WO_forcerespawn->click();
        w->spawnbot->SetText(QStringLiteral("3"));
        w->SBCreeBot->click();
        TModTestEnv::Type(w->botname, QStringLiteral(" A."));   // blank and "." refused
        EXPECT_EQ(w->botname->text(), QStringLiteral("NewBotA"));
        EXPECT_TRUE(w->WO_TeamBlue->isChecked());
        EXPECT_FALSE(w->WO_TeamBlue->isEnabled());
        w->SBCreeBot->click();
        w->Botskill->setValue(4);
        EXPECT_TRUE(w->WO_TeamRed->isChecked());
        EXPECT_FALSE(w->BotPic->isHidden());
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"Wormsblue;Wormsred\"", "\"mp_tourlimit\"\t\t\"40.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"worms_island"}));
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/WO_Bots.ini")));
    EXPECT_EQ(store, Crlf({"[Default]", "numbot=2", "skill=1", "spawnbot=3", "chatfreq=10",
                           "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBotA",
                           "modele=", "skill=1", "[Bot 2]", "nom=NewBot", "modele=", "skill=4"}));

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("wormshl")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("worms_cheese"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"WormsHL\"", "url_info \"www.wormshl.com\"", "url_dl \"www.wormshl.com\"",
                    "version \"Beta 1.3\"", "hlversion \"1106\"", "size \"41426944\"", "svonly \"0\"",
                    "nomodels \"1\"", "cldll \"1\"", "type \"multiplayer_only\"",
                    "mpentity \"info_player_deathmatch\"", "gamedll \"dlls\\akimbot.dll\""}));
    // No skeleton; spawnbot 3 with two bots: the third entry takes the plain name, no skill.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot worm NewBotA 1", "addbot worm NewBot 4", "addbot worm NewBot ",
                    "disablebotwaypointmessage"}));
}

class WormsTest : public ::testing::Test {
protected:
    WormsTest() : Env(QStringLiteral("WormsHL"), QStringLiteral("wormshl"), QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/WormsHL.ini")));
        Env.Program.AddFile(QStringLiteral("Mods/WormsHL.ini"),
                            mods + "\r\n[Other]\r\ndll=dlls\\other.dll\r\nmaxskill=3\r\n"
                                   "addbot=addbot <name> <skill>\r\n");
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/WO_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFWormsHL> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("WormsHL"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFWormsHL*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFWormsHL>(w);
    }
    QByteArray Launch()
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(QStringLiteral("WormsHL"))->Hooks.LaunchWriters(error)) << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    }
    TModTestEnv Env;
};

TEST(WormsTeams, FollowTheLastDigitOfThePlace)
{
    const struct {
        int Index;
        const char* Team;
    } cases[] = {{0, "blue"}, {1, "red"}, {2, "blue"}, {9, "red"}, {10, "blue"}, {11, "red"}, {20, "blue"}};
    for (const auto& c : cases)
        EXPECT_EQ(UWormsHL::TeamOfPlace(c.Index), QString::fromLatin1(c.Team)) << c.Index;
}

TEST_F(WormsTest, MovingABotShowsTheTeamOfItsNewPlace)
{
    WriteStore("[Default]\r\nnumbot=2\r\n[Bot 1]\r\nnom=First\r\nskill=2\r\n[Bot 2]\r\nnom=Second\r\nskill=3\r\n");
    Env.Program.AddFile(QStringLiteral("models/wormshl/red.jpg"),
                        TModTestEnv::Read(QStringLiteral(QORVANE_DATA_DIR "/models/wormshl/red.jpg")));
    auto w = Open();
    ASSERT_EQ(w->ListBot->currentRow(), 0);
    EXPECT_TRUE(w->WO_TeamBlue->isChecked());
    EXPECT_FALSE(w->WO_TeamRed->isChecked());
    w->SBDownBot->click();
    EXPECT_EQ(w->ListBot->currentRow(), 1);
    EXPECT_EQ(w->botname->text(), QStringLiteral("First"));
    EXPECT_TRUE(w->WO_TeamRed->isChecked());
    EXPECT_FALSE(w->WO_TeamBlue->isChecked());
    ASSERT_NE(w->BotPic->pixmap().toImage(), QImage());
    EXPECT_FALSE(w->BotPic->isHidden());
}

struct TBotFileCase {
    const char* Name;
    const char* Bot;
    const char* Dedicated;
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class WormsBotFile : public WormsTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(WormsBotFile, HoldsNoSkeleton)
{
    UInit::SelectedBot = QString::fromLatin1(GetParam().Bot);
    UInit::DedicatedSetting = QString::fromLatin1(GetParam().Dedicated);
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

QByteArray Entries(int n)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out += "addbot NewBot \r\n";
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Stores, WormsBotFile,
    ::testing::Values(
        TBotFileCase{"OtherBotOnlyBotLines", "Other", "N",
                     "[Default]\r\nnumbot=1\r\nskill3=2\r\nskill=1\r\nspawnbot=1\r\n"
                     "[Bot 1]\r\nnom=Wiggly\r\nmodele=\r\nskill=7\r\nskill3=1\r\n",
                     Crlf({"addbot Wiggly 7"})},
        TBotFileCase{"AkimbotRates", "Akimbot", "N",
                     "[Default]\r\nspawnbot=1\r\nchatfreq=5\r\nchatfreq_kill=6\r\nchatfreq_died=7\r\n"
                     "[Bot 1]\r\nnom=Wiggly\r\nskill=x\r\n",
                     Crlf({"bot_chat_percent 5", "bot_taunt_percent 6", "bot_whine_percent 7",
                           "addbot worm Wiggly ", "disablebotwaypointmessage"})},
        // The host takes a slot on a listen server; a dedicated one may fill all 32.
        TBotFileCase{"ListenServerStopsAt31", "Other", "N", "[Default]\r\nspawnbot=32\r\n", Entries(31)},
        TBotFileCase{"DedicatedServerTakes32", "Other", "O", "[Default]\r\nspawnbot=40\r\n", Entries(32)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WormsTest, DamagedStoreLoadsWithDefaults)
{
    WriteStore("[Default]\r\nnumbot=2\r\nskill=x\r\nspawnbot=99\r\nChatfreq=lots\r\n"
               "[Bot 1]\r\nnom=First\r\nskill=9\r\n"
               "[Bot 2]\r\nskill=two\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 2);
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("32"));
    EXPECT_EQ(w->defskill->value(), 1);
    EXPECT_EQ(w->Chatfreq->value(), 10);
    EXPECT_EQ(UWormsHL::Logic().Bots()[0][2], QStringLiteral("9"));   // read without cutting
    EXPECT_EQ(UWormsHL::Logic().Bots()[1][0], QStringLiteral("NewBot"));
    EXPECT_EQ(UWormsHL::Logic().Bots()[1][2], QStringLiteral("0"));
    EXPECT_EQ(UWormsHL::Logic().State.Modified, 0);
}

} // namespace
