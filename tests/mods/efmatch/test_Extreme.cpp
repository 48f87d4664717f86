// Extreme Fragmatch's window on its own: game.cfg read into the controls and written back, the
// team list restored over a window that showed more teams, damaged bot stores and the bot file.
#include "mods/common/FromMain.h"

#include "mods/common/TeamPanel.h"
#include "mods/efmatch/UExtreme.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

class ExtremeTest : public ::testing::Test {
protected:
    ExtremeTest() : Env(QStringLiteral("EFMatch"), QStringLiteral("EFMatch"), QStringLiteral("Akimbot"))
    {
        Env.HL.AddMap(QStringLiteral("EFMatch"), QStringLiteral("dm_Bridge"));
        for (const char* m : {"drake", "gina", "ivan", "zombie"})
            Env.HL.AddPlayerModel(QString::fromLatin1(m), QStringLiteral("EFMatch"));
        Store("[Default]\r\nnumbot=1\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=gina\r\nskill5=9\r\n");
    }
    void Store(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/EF_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TModWindow> Open()
    {
        auto* w = qobject_cast<TModWindow*>(ModTable::Find(QStringLiteral("EFMatch"))->Hooks.CreateWindow(nullptr));
        w->FormActivate();
        return std::unique_ptr<TModWindow>(w);
    }
    QByteArray GameCfg() const { return TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))); }
    TModTestEnv Env;
};

TEST_F(ExtremeTest, GameCfgReadsIntoTheControlsAndIsWrittenBackInItsOrder)
{
    Env.HL.AddFile(QStringLiteral("EFMatch/mapcycle.txt"), "dm_Bridge\r\n");
    // Read in another order, with the forms a hand-edited file holds.
    const QByteArray read = Crlf({"\"mp_autocrosshair\"\t\t\"0\"", "\"mp_teamplay\"\t\t\"1\"",
                                  "\"mp_teamlist\"\t\t\"ivan;GINA;nobody\"", "\"mp_falldamage\"\t\t\"1.00000\"",
                                  "\"mp_fraglimit\"\t\t\"40.00000\"", "\"mp_timelimit\"\t\t\"120\"",
                                  "\"mp_weaponstay\"\t\t\"Yes\"", "\"mp_footsteps\"\t\t\"0\"",
                                  "\"MP_FLASHLIGHT\"\t\t\"0\"", "\"sv_sendvelocity\"\t\t\"1\""});
    Env.HL.AddFile(QStringLiteral("EFMatch/game.cfg"), read);
    auto w = Open();
    TTeamPanel* p = w->TeamPanel;
    EXPECT_TRUE(p->Teamplay->isChecked());
    EXPECT_EQ(p->NumTeam->Text(), QStringLiteral("3"));
    EXPECT_EQ(p->Teams[0]->currentText(), QStringLiteral("ivan"));
    EXPECT_EQ(p->Teams[1]->currentText(), QStringLiteral("gina"));
    EXPECT_EQ(p->Teams[2]->currentIndex(), -1);
    EXPECT_TRUE(p->Teams[2]->isEnabled());
    EXPECT_FALSE(p->Teams[3]->isEnabled());
    // Only the exact "1" is Realistic; the time limit keeps its text beyond the field's range.
    EXPECT_TRUE(w->Control<QRadioButton>(QStringLiteral("EF_fallnorm"))->isChecked());
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("EF_timelimit"))->Text(), QStringLiteral("120"));
    EXPECT_EQ(UExtreme::Logic().State.Modified, 0);

    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(GameCfg(), Crlf({"\"mp_teamlist\"\t\t\"ivan;gina\"", "\"mp_fraglimit\"\t\t\"40.00000\"",
                               "\"mp_timelimit\"\t\t\"120.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                               "\"mp_teamplay\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"0\"",
                               "\"mp_weaponstay\"\t\t\"1\"", "\"mp_forcerespawn\"\t\t\"0\"",
                               "\"mp_footsteps\"\t\t\"0\"", "\"mp_flashlight\"\t\t\"1\"",
                               "\"mp_autocrosshair\"\t\t\"0\"", "\"sv_sendvelocity\"\t\t\"0\""}));
}

TEST_F(ExtremeTest, RestoringThreeSavedTeamsOverFourShownLeavesTheFourthEmptyAndOff)
{
    Env.HL.AddFile(QStringLiteral("EFMatch/game.cfg"),
                   Crlf({"\"mp_teamlist\"\t\t\"drake;gina;ivan\"", "\"mp_teamplay\"\t\t\"1\""}));
    auto w = Open();
    TTeamPanel* p = w->TeamPanel;
    p->NumTeam->SetValue(4);
    p->EnableTeams();
    p->Teams[3]->setCurrentIndex(3);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreConfClick();
    EXPECT_EQ(p->NumTeam->Text(), QStringLiteral("3"));
    EXPECT_EQ(p->Teams[3]->currentIndex(), -1);
    EXPECT_FALSE(p->Teams[3]->isEnabled());
    EXPECT_EQ(p->TeamList(), QStringLiteral("drake;gina;ivan"));
    // Lowering the number by the program keeps team 3's name (only the user's arrows clear).
    p->NumTeam->SetValue(2);
    p->EnableTeams();
    EXPECT_EQ(p->Teams[2]->currentText(), QStringLiteral("ivan"));
}

TEST_F(ExtremeTest, StoredBotsReadWithinTheirRangesAndThePlainBotIsDrake)
{
    struct {
        const char* Skill;
        int Shown;
        const char* Kept;
    } cases[] = {{"9", 5, "5"}, {"abc", 0, "0"}, {"3", 3, "3"}};
    for (const auto& c : cases) {
        Store("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=gina\r\nskill5=" + QByteArray(c.Skill) + "\r\n");
        auto w = Open();
        EXPECT_EQ(w->Botskill->value(), c.Shown) << c.Skill;
        EXPECT_EQ(UExtreme::Logic().Bots()[0][2], QString::fromLatin1(c.Kept)) << c.Skill;
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("gina"));
    }
    QFile::remove(Env.HL.Path(QStringLiteral("EFMatch/models/player/drake/drake.mdl")));
    auto w = Open();
    w->SBCreeBot->click();
    EXPECT_EQ(UExtreme::Logic().Bots().last()[1], QStringLiteral("drake"));
    EXPECT_EQ(w->botmodel->currentIndex(), -1);
}

TEST_F(ExtremeTest, TheBotFileFollowsTheBotProgram)
{
    const QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/EFMatch.ini")));
    Env.Program.AddFile(QStringLiteral("Mods/EFMatch.ini"),
                        mods + "\r\n[Other Bot]\r\ndll=dlls\\other.dll\r\naddbot=add <name> <skill> <model>\r\n");
    Store("[Default]\r\nspawnbot=2\r\nskill5=4\r\nchatfreq=5\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=gina\r\nskill5=2\r\n"
          "[Bot 2]\r\nnom=Beta\r\nmodele=ivan\r\nskill5=1\r\n");
    struct {
        const char* Bot;
        QByteArray Expected;
    } cases[] = {
        {"Akimbot", Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 4", " ",
                          "bot_chat_percent 5", "bot_taunt_percent 20", "bot_whine_percent 10",
                          "addbot gina Alpha 2", "addbot ivan Beta 1", "disablebotwaypointmessage"})},
        {"Other Bot", Crlf({"# add <name> <skill> <model>", "pause 3", "", "botskill 4", " ",
                            "add Alpha 2 gina", "add Beta 1 ivan"})},
    };
    for (const auto& c : cases) {
        UInit::SelectedBot = QString::fromLatin1(c.Bot);
        QString error;
        ASSERT_TRUE(UExtreme::Logic().LaunchWriters(error)) << error.toStdString();
        EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), c.Expected) << c.Bot;
    }
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))).endsWith("gamedll \"dlls\\other.dll\"\r\n"));
}

TEST_F(ExtremeTest, TheUsersStepsClearOnlyTheTeamsAboveTheNewNumber)
{
    auto w = Open();
    TTeamPanel* p = w->TeamPanel;
    p->Teamplay->click();
    p->NumTeam->SetValue(4);
    p->EnableTeams();
    for (int k = 0; k < 4; ++k)
        p->Teams[k]->setCurrentIndex(k);
    // Up one: every team chosen stays, team 5 comes on empty.
    StepTeams(*w, +1);
    EXPECT_EQ(p->TeamList(), QStringLiteral("drake;gina;ivan;zombie"));
    EXPECT_TRUE(p->Teams[4]->isEnabled());
    StepTeams(*w, -1);
    EXPECT_EQ(p->TeamList(), QStringLiteral("drake;gina;ivan;zombie"));
    StepTeams(*w, -1);
    EXPECT_EQ(p->TeamList(), QStringLiteral("drake;gina;ivan"));
    EXPECT_EQ(p->Teams[3]->currentIndex(), -1);
    StepTeams(*w, +1);
    EXPECT_TRUE(p->Teams[3]->isEnabled());
    EXPECT_EQ(p->TeamList(), QStringLiteral("drake;gina;ivan"));
}

TEST_F(ExtremeTest, OnlyATeamGameNeedsTwoTeams)
{
    Env.HL.AddFile(QStringLiteral("EFMatch/mapcycle.txt"), "dm_Bridge\r\n");
    struct {
        bool Teamplay;
        int Chosen;      // teams 1..Chosen get a model
        bool Saves;
    } cases[] = {{false, 0, true}, {true, 1, false}, {true, 2, true}};
    for (const auto& c : cases) {
        Env.Dialogs.Clear();
        auto w = Open();
        TTeamPanel* p = w->TeamPanel;
        (c.Teamplay ? p->Teamplay : p->DeathMatch)->click();
        for (int k = 0; k < c.Chosen; ++k)
            p->Teams[k]->setCurrentIndex(k);
        w->BApplyConf->click();
        EXPECT_EQ(w->ClosedByButtons(), c.Saves) << c.Teamplay << c.Chosen;
        EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Error),
                  c.Saves ? QStringList() : QStringList{TTeamPanel::TwoTeamsMessage()});
    }
}

TEST_F(ExtremeTest, ABotNameRefusesAngleBracketsBesidesTheOneRule)
{
    auto w = Open();
    w->botname->clear();
    TModTestEnv::Type(w->botname, QStringLiteral("A<b> c\"d;e"));
    EXPECT_EQ(w->botname->text(), QStringLiteral("Abcde"));
    EXPECT_EQ(UExtreme::Logic().Bots()[0][0], QStringLiteral("Abcde"));
}

TEST_F(ExtremeTest, RandomBotsTakeTheirSkillWithinTheSliderAndTheirModelFromTheChooser)
{
    const QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/EFMatch.ini")));
    Env.Program.AddFile(QStringLiteral("Mods/EFMatch.ini"), mods + "\r\n[Three]\r\ndll=dlls\\t.dll\r\nmaxskill=3\r\n");
    UInit::SelectedBot = QStringLiteral("Three");
    TIniFile::FlushCache();
    auto w = Open();
    ASSERT_EQ(w->Botskill->maximum(), 3);
    const QStringList models{"drake", "gina", "ivan", "zombie"};
    for (int i = 0; i < 40; ++i) {
        w->SBCreeRandomBot->click();
        const TBot& bot = UExtreme::Logic().Bots().last();
        const int skill = bot[2].toInt();
        EXPECT_TRUE(skill >= 1 && skill <= 3) << bot[2].toStdString();
        EXPECT_TRUE(models.contains(bot[1])) << bot[1].toStdString();
    }
}

} // namespace
