// Vampire Slayer end to end: from the main window's button through the real window's controls,
// Apply and Launch, every written file compared byte for byte; then the bot file's variations and
// the damaged stores that matter for this mod.
#include "mods/common/ModTestEnv.h"

#include "mods/vs/UFVS.h"
#include "mods/vs/UVS.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(QStringLiteral("vs/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("vs"), QStringLiteral("vs_frontier"));
    env.HL.AddMap(QStringLiteral("vs"), QStringLiteral("vs_castle"));
    env.HL.AddPlayerModel(QStringLiteral("edgar"), QStringLiteral("vs"));
    env.HL.AddPlayerModel(QStringLiteral("father_d"), QStringLiteral("vs"));
}

TEST(VSFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("VS"), QStringLiteral("vs"), QString());
    AddTree(env);
    env.Program.AddFile(QStringLiteral("Bots/VS_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("VS"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("Akimbot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("Akimbot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFVS*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Vampire Slayer - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit VS"));
        EXPECT_EQ(w->PC->count(), 3);   // Game, Maps, Bots: no Chat page
        EXPECT_EQ(w->TS_Chat, nullptr);
        w->VS_timelimit->SetText(QStringLiteral("20"));
        w->VS_roundtime->SetText(QStringLiteral("5"));
        w->VS_roundlimit->SetText(QStringLiteral("3"));
        w->VS_friendlyfire->click();
        w->VS_decap->click();
        EXPECT_EQ(UVS::Logic().State.Modified, 1);
        w->SBCreeBot->click();
        TModTestEnv::Type(w->botname, QStringLiteral("x"));
        w->SBCreeBot->click();
        w->Botskill->setValue(4);
        w->SpeedButton13->click();   // the second bot takes the next model
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_roundtime\"\t\t\"5.00000\"", "\"mp_timelimit\"\t\t\"20.00000\"",
                    "\"mp_roundlimit\"\t\t\"3.00000\"", "\"mp_friendlyfire\"\t\t\"1\"",
                    "\"mp_nodraws\"\t\t\"0\"", "\"mp_tkkill\"\t\t\"0\"", "\"mp_autobalance\"\t\t\"0\"",
                    "\"mp_flashlight\"\t\t\"0\"", "\"mp_decap\"\t\t\"1\"",
                    "\"mp_maxbots\"\t\t\"0.000000\"", "\"mp_minbots\"\t\t\"0.000000\"",
                    "\"mp_botteam\"\t\t\"0\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))),
              Crlf({"vs_frontier"}));   // the first map is the start map
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/VS_Bots.ini")));
    EXPECT_FALSE(store.toLower().contains("chatfreq")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=NewBotx\r\nmodele=edgar\r\nskill5=1\r\n")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 2]\r\nnom=NewBot\r\nmodele=father_d\r\nskill5=4\r\n")) << store.constData();

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("vs")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("vs_castle"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"VampireSlayer\"", "url_info \"www.vampireslayer.org\"", "version \"3.0\"",
                    "svonly \"0\"", "cldll \"1\" ", "hlversion \"1100\"", "type \"multiplayer_only\"",
                    "nomodels \"1\"", "mpentity \"info_player_deathmatch\"",
                    "gamedll \"dlls\\akimbot.dll\"", "gamedll_linux \"dlls/vs_i386.so\""}));
    // Akimbot gets no rate lines and no last line in this mod; spawnbot is 1.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "addbot edgar NewBotx 1"}));
}

class VSTest : public ::testing::Test {
protected:
    VSTest() : Env(QStringLiteral("VS"), QStringLiteral("vs"), QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/VS_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFVS> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("VS"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFVS*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFVS>(w);
    }
    QByteArray Launch()
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(QStringLiteral("VS"))->Hooks.LaunchWriters(error)) << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    }
    TModTestEnv Env;
};

// Whatever game.cfg held and the window shows, the three bot lines and sv_sendvelocity end it;
// switches stay as they were when the defaults are restored.
TEST_F(VSTest, FixedBotLinesEndEveryGameCfgAndDefaultsLeaveTheSwitches)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=edgar\r\nskill5=2\r\n");
    Env.HL.AddFile(QStringLiteral("vs/game.cfg"),
                   Crlf({"\"mp_timelimit\"\t\t\"15.00000\"", "\"mp_tkkill\"\t\t\"1\"",
                         "\"mp_maxbots\"\t\t\"8\"", "\"mp_botteam\"\t\t\"2\""}));
    Env.HL.AddFile(QStringLiteral("vs/mapcycle.txt"), "vs_castle\r\n");
    auto w = Open();
    EXPECT_EQ(w->VS_timelimit->Text(), QStringLiteral("15"));
    EXPECT_TRUE(w->VS_tkkill->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->VS_timelimit->Text(), QStringLiteral("0"));
    EXPECT_TRUE(w->VS_tkkill->isChecked());
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray cfg = TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")));
    EXPECT_TRUE(cfg.endsWith(Crlf({"\"mp_decap\"\t\t\"0\"", "\"mp_maxbots\"\t\t\"0.000000\"",
                                   "\"mp_minbots\"\t\t\"0.000000\"", "\"mp_botteam\"\t\t\"0\"",
                                   "\"sv_sendvelocity\"\t\t\"0\""})))
        << cfg.constData();
    EXPECT_TRUE(cfg.contains("\"mp_tkkill\"\t\t\"1\"\r\n"));
}

struct TBotFileCase {
    const char* Name;
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class VSBotFile : public VSTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(VSBotFile, WritesTheSkeletonAndOneLinePerBot)
{
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

const QByteArray kHeader = Crlf({"# addbot <model> <name> <skill>", "pause 3", ""});

INSTANTIATE_TEST_SUITE_P(
    Stores, VSBotFile,
    ::testing::Values(
        TBotFileCase{"NoBotsToSpawn", "[Default]\r\nnumbot=1\r\nskill5=3\r\nspawnbot=0\r\n",
                     kHeader + Crlf({"botskill 3", " "})},
        TBotFileCase{"TwoBots",
                     "[Default]\r\nnumbot=2\r\nskill5=2\r\nspawnbot=2\r\nChatfreq=50\r\n"
                     "[Bot 1]\r\nnom=Edgar\r\nmodele=edgar\r\nskill5=1\r\n"
                     "[Bot 2]\r\nnom=Father\r\nmodele=father_d\r\nskill5=5\r\n",
                     kHeader + Crlf({"botskill 2", " ", "addbot edgar Edgar 1", "addbot father_d Father 5"})},
        // Letters where numbers belong: the default skill and the bot's skill fall back.
        TBotFileCase{"LettersInNumbers",
                     "[Default]\r\nnumbot=1\r\nskill5=abc\r\nspawnbot=1\r\n"
                     "[Bot 1]\r\nnom=Edgar\r\nmodele=edgar\r\nskill5=high\r\n",
                     kHeader + Crlf({"botskill 0", " ", "addbot edgar Edgar "})}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(VSTest, DamagedStoreLoadsWithDefaultsAndKeepsTheBots)
{
    WriteStore("[Default]\r\nnumbot=2\r\nskill5=x\r\nspawnbot=many\r\n"
               "[Bot 1]\r\nnom=Edgar\r\nmodele=edgar\r\nskill5=9\r\n"
               "[Bot 2]\r\nmodele=nobody\r\nskill5=two\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 2);
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("1"));
    EXPECT_EQ(UVS::Logic().Bots()[0][2], QStringLiteral("5"));   // cut to the maximum
    EXPECT_EQ(UVS::Logic().Bots()[1][0], QStringLiteral("NewBot"));
    EXPECT_EQ(UVS::Logic().Bots()[1][2], QStringLiteral("0"));
    EXPECT_EQ(UVS::Logic().State.Modified, 0);
}

} // namespace
