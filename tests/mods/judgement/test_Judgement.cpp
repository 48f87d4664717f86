// Judgement end to end: from the main window's button through the real window's controls, Apply
// and Launch, every written file compared byte for byte; then the mod's own bot (no skills, named
// after its model), the one maximum skill of window and launch, and the damaged stores.
#include "mods/common/ModTestEnv.h"

#include "mods/common/EditSweep.h"

#include "mods/judgement/UFJudgement.h"
#include "mods/judgement/UJudgement.h"
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

const QString kKey = QStringLiteral("Judgedm");
const QString kFolder = QStringLiteral("judgedm");

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(kFolder + QStringLiteral("/dlls/judge.dll"), "MZ");
    env.HL.AddMap(kFolder, QStringLiteral("jm_museum"));
    env.HL.AddMap(kFolder, QStringLiteral("jm_sector"));
    env.HL.AddPlayerModel(QStringLiteral("Anderson"), kFolder);
    env.HL.AddPlayerModel(QStringLiteral("Dredd"), kFolder);
}

TEST(JudgementFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(kKey, kFolder, QString());
    AddTree(env);
    env.Program.AddFile(QStringLiteral("Bots/JM_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.FormActivate();
    // The bot program's library in the mod folder shows the button; the selector lists the
    // data file's bots.
    EXPECT_FALSE(main.ModButton(kKey)->isHidden());
    main.ModButtonClick(kKey);
    QComboBox* bots = main.BotSelector();
    ASSERT_EQ(bots->count(), 1);
    ASSERT_EQ(bots->itemText(0), QStringLiteral("Judgement"));
    bots->setCurrentIndex(bots->findText(QStringLiteral("Judgement")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFJudgement*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Judgement - Judgement"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Judgement"));
        EXPECT_EQ(w->PC->count(), 3);   // Game, Maps, Bots
        EXPECT_TRUE(w->Botskill->isHidden());
        EXPECT_TRUE(w->defskill->isHidden());
        EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("Label65"))->isHidden());
        EXPECT_FALSE(w->botname->isEnabled());
        w->JM_timelimit->SetText(QStringLiteral("15"));
        w->JM_fallreal->click();
        EXPECT_EQ(UJudgement::Logic().State.Modified, 1);
        w->JM_mostwanted->click();
        w->JM_footsteps->click();
        w->spawnbot->stepBy(1);
        w->SBCreeBot->click();       // Dredd, named Dredd
        w->SpeedButton14->click();   // the previous model: the bot is renamed after it
        w->SBCreeBot->click();
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_fraglimit\"\t\t\"0.00000\"", "\"mp_timelimit\"\t\t\"15.00000\"",
                    "\"mp_falldamage\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"0\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_mostwanted\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"jm_sector"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/JM_Bots.ini"))),
              Crlf({"[Default]", "numbot=2", "skill1=1", "spawnbot=2", "[Bot 1]", "nom=Anderson",
                    "modele=Anderson", "skill1=1", "[Bot 2]", "nom=Dredd", "modele=Dredd", "skill1=1"}));

    // The listen server's own settings may not undo the mod's.
    env.HL.AddFile(kFolder + QStringLiteral("/listenserver.cfg"),
                   Crlf({"mp_mostwanted 0", "mp_falldamage 0", "mp_weaponstay 1", "sv_gravity 800"}));
    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("judgedm")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("jm_museum"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_mostwanted 0", "//mp_falldamage 0", "//mp_weaponstay 1", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Judgement\"", "version \"1.1\"", "url_info \"www.judgementmod.com\"",
                    "url_dl \"www.judgementmod.com/download\"", "date \"August 18, 2001\"",
                    "size \"12913904\"", "svonly \"0\"", "cldll \"1\"", "hlversion \"1107\"",
                    "type \"multiplayer_only\"", "nomodels \"0\"", "mpentity \"info_player_deathmatch\"",
                    "gamedll \"dlls\\judge.dll\"", "gamedll_linux \"dlls/judge_i386.so\""}));
    // The skills saved under skill1 are the ones launched; no chat lines.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "addbot Anderson Anderson 1", "addbot Dredd Dredd 1"}));
}

class JudgementTest : public ::testing::Test {
protected:
    JudgementTest() : Env(kKey, kFolder, QStringLiteral("Judgement"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/JM_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    // Another bot program beside the mod's own, with its section's lines.
    void OtherBot(const QByteArray& lines)
    {
        Env.Program.AddFile(QStringLiteral("Mods/Judgedm.ini"),
                            "[Default]\r\ndispo=1\r\nBot1=Other\r\n[Other]\r\n" + lines);
        UInit::SelectedBot = QStringLiteral("Other");
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFJudgement> Open()
    {
        QDialog* d = ModTable::Find(kKey)->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFJudgement*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFJudgement>(w);
    }
    QByteArray Launch()
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(kKey)->Hooks.LaunchWriters(error)) << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    }
    TModTestEnv Env;
};

// Random bots of the mod's own bot carry their model's name; another bot program's get a name of
// bot_names.txt, a skill within its slider and its skills shown.
TEST_F(JudgementTest, RandomBotsAreNamedAfterTheirModelOnlyForTheModsOwnBot)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    {
        auto w = Open();
        Env.Dialogs.Clear();
        for (int k = 0; k < 10; ++k)
            w->SBCreeRandomBot->click();
        for (const TBot& bot : UJudgement::Logic().Bots()) {
            EXPECT_EQ(bot[0], bot[1]);
            EXPECT_EQ(bot[2], QStringLiteral("1"));
        }
        EXPECT_EQ(w->botname->text(), w->botmodel->currentText());
    }
    OtherBot("maxskill=3\r\naddbot=add <name> <model> <skill>\r\n");
    auto w = Open();
    EXPECT_FALSE(w->Botskill->isHidden());
    EXPECT_TRUE(w->botname->isEnabled());
    EXPECT_EQ(w->Botskill->maximum(), 3);
    for (int k = 0; k < 20; ++k)
        w->SBCreeRandomBot->click();
    for (const TBot& bot : UJudgement::Logic().Bots()) {
        EXPECT_NE(bot[0], bot[1]);
        EXPECT_GE(bot[2].toInt(), 1);
        EXPECT_LE(bot[2].toInt(), 3);
    }
    // A model step keeps the name of another program's bot.
    const QString name = w->botname->text();
    w->SpeedButton14->click();
    EXPECT_EQ(w->botname->text(), name);
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost.
TEST_F(JudgementTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nmodele=Dredd\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UJudgement::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/JM_Bots.ini"), store);

    // Another bot program's window shows the name and the skills too.
    OtherBot("maxskill=5\r\n");
    auto other = Open();
    other->ListBot->setCurrentRow(0);
    other->ListBotClick();
    EXPECT_EQ(EditSweep::EditsThatDoNotMark(*other, UJudgement::Logic().State.Modified), QStringList());
}

// A section without maxskill ends both sliders at 1, and the launch reads the skills under the key
// the window saved them to: a bot's skill is not lost between Apply and Launch.
TEST_F(JudgementTest, WithoutMaxSkillTheSavedSkillIsLaunched)
{
    OtherBot("dll=dlls\\judge.dll\r\naddbot=add <model> <name> <skill>\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/mapcycle.txt"), "jm_sector\r\n");
    auto w = Open();
    Env.Dialogs.Clear();
    EXPECT_EQ(w->Botskill->maximum(), 1);
    EXPECT_EQ(w->defskill->maximum(), 1);
    w->SBCreeBot->click();
    w->Botskill->setValue(1);
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Launch(),
              Crlf({"# add <model> <name> <skill>", "pause 3", "", "botskill 1", " ", "add Dredd Dredd 1"}));
}

struct TBotFileCase {
    const char* Name;
    const char* Section;   // the Other bot's lines
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class JudgementBotFile : public JudgementTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(JudgementBotFile, OneMaximumSkillForWindowAndLaunch)
{
    OtherBot(GetParam().Section);
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, JudgementBotFile,
    ::testing::Values(
        // Without maxskill the skill key is skill1, as the window saved it.
        TBotFileCase{"NoMaxSkill", "addbot=add <model> <name> <skill>\r\n",
                     "[Default]\r\nnumbot=1\r\nskill1=1\r\nspawnbot=1\r\n"
                     "[Bot 1]\r\nnom=Judge\r\nmodele=Dredd\r\nskill1=1\r\nskill5=4\r\n",
                     Crlf({"# add <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                           "add Dredd Judge 1"})},
        TBotFileCase{"MaxSkillFive", "maxskill=5\r\naddbot=add <model> <name> <skill>\r\n",
                     "[Default]\r\nnumbot=1\r\nskill5=3\r\nspawnbot=2\r\n"
                     "[Bot 1]\r\nnom=Judge\r\nmodele=Dredd\r\nskill5=4\r\n",
                     Crlf({"# add <model> <name> <skill>", "pause 3", "", "botskill 3", " ",
                           "add Dredd Judge 4", "add   "})},
        // No chat lines, even for a section named like the chatting bot.
        TBotFileCase{"LettersInSkills", "maxskill=5\r\naddbot=add <model> <name> <skill>\r\n",
                     "[Default]\r\nnumbot=1\r\nskill5=many\r\nspawnbot=1\r\n"
                     "[Bot 1]\r\nnom=Judge\r\nmodele=Dredd\r\nskill5=x\r\n",
                     Crlf({"# add <model> <name> <skill>", "pause 3", "", "botskill 0", " ",
                           "add Dredd Judge "})}),
    [](const auto& info) { return std::string(info.param.Name); });

// The fall damage stays as read when the defaults are restored; a stored skill above the maximum
// reads as the maximum.
TEST_F(JudgementTest, RestoreDefaultKeepsFallDamageAndSkillsAreCut)
{
    OtherBot("maxskill=3\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nskill3=2\r\n[Bot 1]\r\nnom=Judge\r\nmodele=Anderson\r\nskill3=8\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/game.cfg"),
                   Crlf({"\"mp_falldamage\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"1\""}));
    auto w = Open();
    EXPECT_EQ(w->Botskill->value(), 3);
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Anderson"));
    EXPECT_TRUE(w->JM_fallreal->isChecked());
    EXPECT_TRUE(w->JM_WeaponStay->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_TRUE(w->JM_fallreal->isChecked());
    EXPECT_FALSE(w->JM_WeaponStay->isChecked());
}

} // namespace
