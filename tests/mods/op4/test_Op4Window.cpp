// Opposing Force's window on its own: the game type read per bot program, the maps of each game
// type and the map cycle written for it, the teams read from game.cfg and the number of teams,
// the side and capture-the-flag model of a bot, every edit marking the settings modified, and
// the outside bot editor.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "core/UQOR_Settings.h"
#include "mods/common/FromMain.h"
#include "mods/common/TeamPanel.h"
#include "mods/op4/UFop4.h"
#include "mods/op4/UOp4.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Op4Window : public ::testing::Test {
protected:
    Op4Window() : Env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QStringLiteral("HPB Bot"))
    {
        for (const char* map : {"mydm", "ofboot3", "op4ctf_wonderland", "op4ctf_crash", "dm_ctfish"})
            Env.HL.AddMap(QStringLiteral("gearbox"), QString::fromLatin1(map));
        Env.HL.AddFile(QStringLiteral("gearbox/maps/op4ctf_wonderland.wpt"), "w");
        Store("[Default]\r\nnumbot=0\r\n");
    }

    void Store(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/OF_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }

    std::unique_ptr<TFOp4> Open(const QString& bot = QStringLiteral("HPB Bot"))
    {
        UInit::SelectedBot = bot;
        auto w = std::make_unique<TFOp4>();
        w->FormActivate();
        return w;
    }

    static QStringList Offered(const TModWindow& w)
    {
        QStringList maps;
        for (int i = 0; i < w.MapDispo->count(); ++i)
            maps << w.MapDispo->item(i)->text();
        return maps;
    }

    static QString FirstMap()
    {
        QString first;
        UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), first);
        return first;
    }

    TModTestEnv Env;
};

TEST_F(Op4Window, TheStoredGameTypeReadsAsTheBotProgramPlaysIt)
{
    struct TCase {
        const char* Bot;
        const char* Stored;
        int Shown;
    } cases[] = {
        {"HPB Bot", "2", 2}, {"HPB Bot", "1", 1}, {"HPB Bot", "-1", 0}, {"HPB Bot", "x", 0}, {"HPB Bot", "3", 0},
        // TeamBot plays no Capture the Flag; Parabot's list has no such item at all.
        {"TeamBot", "2", 0}, {"Parabot", "2", 0}, {"Parabot", "1", 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Bot) + " " + c.Stored);
        Store(QByteArray("[Default]\r\nnumbot=0\r\nGame Type=") + c.Stored + "\r\n");
        auto w = Open(QString::fromLatin1(c.Bot));
        EXPECT_EQ(w->OF_Gametype->currentIndex(), c.Shown);
        EXPECT_EQ(w->OF_Gametype->count(), QByteArray(c.Bot) == "Parabot" ? 2 : 3);
        w->SBCreeBot->click();
        ASSERT_TRUE(w->Logic().SaveConf());
        EXPECT_TRUE(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/OF_Bots.ini")))
                        .contains("Game Type=" + QByteArray::number(c.Shown) + "\r\n"));
    }
}

TEST_F(Op4Window, EachGameTypeOffersItsOwnMaps)
{
    auto w = Open();
    const QStringList deathmatch = Offered(*w);
    EXPECT_TRUE(deathmatch.contains(QStringLiteral("mydm ")));
    EXPECT_TRUE(deathmatch.contains(QStringLiteral("op4_bootcamp ")));
    EXPECT_EQ(deathmatch.size(), 14) << deathmatch.join(QLatin1Char('|')).toStdString();
    for (const QString& entry : deathmatch)
        EXPECT_FALSE(entry.contains(QLatin1String("ctf")) || entry.startsWith(QLatin1String("ofboot3")))
            << entry.toStdString();
    Choose(*w, QStringLiteral("OF_Gametype"), QStringLiteral("Capture the Flag"));
    // Only the capture-the-flag maps the bots have waypoints for.
    EXPECT_EQ(Offered(*w), QStringList{QStringLiteral("op4ctf_wonderland *")});
    EXPECT_EQ(w->Control<QLabel>(QStringLiteral("OF_MapLabel"))->text(), QStringLiteral("* Waypoints"));
    EXPECT_EQ(w->Logic().State.Modified, 1);
}

TEST_F(Op4Window, TheMapCycleKeepsTheMapsOfTheGameType)
{
    struct TCase {
        const char* Type;
        QStringList Cycle;
        const char* FirstMap;
        QByteArray File;
    } cases[] = {
        {"Capture the Flag", {QStringLiteral("mydm"), QStringLiteral("op4_park")}, "op4ctf_crash", ""},
        {"Deathmatch", {QStringLiteral("op4ctf_wonderland")}, "op4_bootcamp", ""},
        {"Deathmatch",
         {QStringLiteral("op4ctf_wonderland"), QStringLiteral("op4_park"), QStringLiteral("mydm"),
          QStringLiteral("dm_ctfish")},
         "op4_park", Crlf({"mydm"})},
        {"Capture the Flag",
         {QStringLiteral("mydm"), QStringLiteral("op4ctf_wonderland"), QStringLiteral("op4ctf_crash")},
         "op4ctf_wonderland", Crlf({"op4ctf_crash"})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.FirstMap);
        auto w = Open();
        Choose(*w, QStringLiteral("OF_Gametype"), QString::fromLatin1(c.Type));
        w->MapCycle->clear();
        w->MapCycle->addItems(c.Cycle);
        w->SBCreeBot->click();
        ASSERT_TRUE(w->Logic().SaveConf()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt"))), c.File);
        EXPECT_EQ(FirstMap(), QString::fromLatin1(c.FirstMap));
        // The window keeps what the file leaves out.
        EXPECT_EQ(w->MapCycle->count(), c.Cycle.size());
    }
}

TEST_F(Op4Window, TeamsReadFromGameCfgAndTheNumberOfTeams)
{
    struct TCase {
        QByteArray Line;
        QStringList Teams;   // the first choosers' texts
        int Count;
    } cases[] = {
        {"", {QString(), QString()}, 2},
        {"\"mp_teamlist\"\t\t\"grunt;Nobody;Otis\"\r\n", {QStringLiteral("Grunt"), QString(), QStringLiteral("Otis")}, 3},
        {"\"mp_teamlist\"\t\t\"Barney;Beret;Cl_Suit;Drill;Fassn;Gina;GMan;Gordon;Grunt;Massn;Otis;Tower\"\r\n",
         {QStringLiteral("Barney"), QStringLiteral("Beret"), QStringLiteral("Cl_Suit"), QStringLiteral("Drill"),
          QStringLiteral("Fassn"), QStringLiteral("Gina"), QStringLiteral("GMan"), QStringLiteral("Gordon"),
          QStringLiteral("Grunt"), QStringLiteral("Massn")},
         10},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line.toStdString());
        Env.HL.AddFile(QStringLiteral("gearbox/game.cfg"), c.Line);
        auto w = Open();
        TTeamPanel* p = w->TeamPanel;
        for (int k = 0; k < c.Teams.size(); ++k)
            EXPECT_EQ(p->Teams[k]->currentText(), c.Teams[k]) << k;
        EXPECT_EQ(p->NumTeam->Text(), QString::number(c.Count));
        EXPECT_FALSE(p->Teams[0]->isEnabled()) << "Deathmatch";
    }
    // Deathmatch still writes the teams once chosen, with mp_teamplay 0.
    auto w = Open();
    const QStringList lines = ModCvars::GameCfgLines(*w, UOp4::Logic().Cvars());
    EXPECT_EQ(lines.value(0), ModCvars::CvarLine(QStringLiteral("mp_teamlist"),
                                                 QStringLiteral("Barney;Beret;Cl_Suit;Drill;Fassn;Gina;GMan;Gordon;Grunt;Massn")));
    EXPECT_EQ(lines.value(5), ModCvars::CvarLine(QStringLiteral("mp_teamplay"), QStringLiteral("0")));

    // Lowering the number with the arrows empties the team it removes; loading it does not.
    Env.HL.AddFile(QStringLiteral("gearbox/game.cfg"), "\"mp_teamlist\"\t\t\"Barney;Beret;Drill;Gina;Otis\"\r\n");
    Store("[Default]\r\nnumbot=0\r\nGame Type=1\r\n");
    auto teams = Open();
    TTeamPanel* p = teams->TeamPanel;
    EXPECT_TRUE(p->Teams[4]->isEnabled());
    StepTeams(*teams, -1);
    EXPECT_FALSE(p->Teams[4]->isEnabled());
    EXPECT_EQ(p->Teams[4]->currentIndex(), -1);
    EXPECT_EQ(p->Teams[3]->currentText(), QStringLiteral("Gina"));
    EXPECT_EQ(teams->Logic().State.Modified, 1);
    Env.HL.AddFile(QStringLiteral("gearbox/game.cfg"), "\"mp_teamlist\"\t\t\"Barney;Beret;Drill;Gina\"\r\n");
    auto loaded = Open();
    EXPECT_EQ(loaded->TeamPanel->Teams[3]->currentText(), QStringLiteral("Gina"));
}

TEST_F(Op4Window, OnlyTeamplayAsksForTwoTeams)
{
    for (const char* type : {"Teamplay", "Capture the Flag", "Deathmatch"}) {
        SCOPED_TRACE(type);
        Env.Dialogs.Clear();
        auto w = Open();
        Choose(*w, QStringLiteral("OF_Gametype"), QString::fromLatin1(type));
        Choose(*w, QStringLiteral("OF_team1"), QStringLiteral("Otis"));
        w->MapCycle->addItem(QStringLiteral("mydm"));
        w->SBCreeBot->click();
        const bool teamplay = QByteArray(type) == "Teamplay";
        EXPECT_EQ(w->Logic().CheckConf(), !teamplay);
        EXPECT_EQ(Env.Dialogs.Texts().contains(QStringLiteral("You must select at least two teams for a teamplay.")),
                  teamplay);
    }
}

TEST_F(Op4Window, ABotsSideAndCaptureTheFlagModel)
{
    Store("[Default]\r\nnumbot=3\r\nGame Type=2\r\n"
          "[Bot 1]\r\nnom=One\r\nteam=1\r\nctfmodele=2\r\n"
          "[Bot 2]\r\nnom=Two\r\nteam=2\r\nctfmodele=9\r\n"
          "[Bot 3]\r\nnom=Three\r\nteam=7\r\nctfmodele=x\r\n");
    auto w = Open();
    struct TCase {
        int Row;
        QRadioButton* Ticked;
        const char* Model;
    } cases[] = {
        {0, w->OF_BotBM, "Gina"},
        // Out of their lists: the side reads as Auto, the model as the random one.
        {1, w->OF_BotOF, "<Random Model>"},
        {2, w->OF_BotA, "<Random Model>"},
        {0, w->OF_BotBM, "Gina"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Row);
        w->ListBot->setCurrentRow(c.Row);
        w->ListBotClick();
        for (QRadioButton* r : w->SideRadios)
            EXPECT_EQ(r->isChecked(), r == c.Ticked) << r->objectName().toStdString();
        EXPECT_EQ(w->OF_botctfmodel->currentText(), QString::fromLatin1(c.Model));
        EXPECT_EQ(w->OF_botctfmodel->count(), 7);
    }
    // A new side refills the list; the arrows step the capture-the-flag model into slot 4.
    w->OF_BotOF->click();
    EXPECT_EQ(w->OF_botctfmodel->currentText(), QStringLiteral("Grunt"));
    w->SpeedButton13->click();
    EXPECT_EQ(w->OF_botctfmodel->currentText(), QStringLiteral("Recruit"));
    const TBot& bot = UOp4::Logic().Bots()[0];
    EXPECT_EQ(bot[3], QStringLiteral("2"));
    EXPECT_EQ(bot[4], QStringLiteral("3"));
    EXPECT_EQ(bot[1], QStringLiteral("gordon"));
    EXPECT_EQ(w->Logic().State.Modified, 1);
}

TEST_F(Op4Window, EveryEditMarksTheSettingsModified)
{
    const std::function<void(TFOp4&)> edits[] = {
        [](TFOp4& w) { Choose(w, QStringLiteral("OF_Reaction_Time"), QStringLiteral("Long")); },
        [](TFOp4& w) { w.OF_random_color->click(); },
        [](TFOp4& w) { w.spawnbot->stepBy(1); },
        [](TFOp4& w) { w.OF_Botchat->click(); },
        [](TFOp4& w) { w.OF_AlwaysRespond->click(); },
        [](TFOp4& w) { w.OF_grenade->stepBy(1); },
        [](TFOp4& w) { w.Control<QSlider>(QStringLiteral("OF_perception"))->setValue(9); },
        [](TFOp4& w) { w.Control<QCheckBox>(QStringLiteral("OF_ctf_autoteam"))->click(); },
        [](TFOp4& w) { w.OF_ctf_capture->stepBy(1); },
    };
    Store("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=One\r\n");
    for (const auto& edit : edits) {
        auto w = Open();
        ASSERT_EQ(w->Logic().State.Modified, 0);
        edit(*w);
        EXPECT_EQ(w->Logic().State.Modified, 1);
    }
}

TEST_F(Op4Window, AnOutsideBotEditorKeepsTheBots)
{
    Env.Program.AddFile(QStringLiteral("Mods/OP4.ini"),
                        "[TeamBot]\r\ndll=dlls\\teambot.dll\r\naddbot=addbot <name>\r\nBotEditor=tbcc.exe\r\n"
                        "BotEditorPath=\\gearbox\\\r\n");
    Env.HL.AddFile(QStringLiteral("gearbox/tbcc.exe"), "MZ");
    Env.HL.AddFile(QStringLiteral("gearbox/bot.cfg"), "mine\r\n");
    TIniFile::FlushCache();
    auto w = Open(QStringLiteral("TeamBot"));
    EXPECT_EQ(w->B_BotEditor->text(), QStringLiteral("Open TeamBot Editor"));
    EXPECT_FALSE(w->B_BotEditor->isHidden());
    EXPECT_TRUE(w->B_BotEditor->isEnabled());
    for (QWidget* hidden : std::initializer_list<QWidget*>{w->GB_BotList, w->spawnbot, w->defskill, w->OF_strafe})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    // No bot is needed to save, and the launch leaves the editor's file alone.
    w->MapCycle->addItem(QStringLiteral("mydm"));
    EXPECT_TRUE(w->Logic().CheckConf()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    QString error;
    ASSERT_TRUE(UOp4::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), "mine\r\n");
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))).contains("gamedll \"dlls\\teambot.dll\""));
}

} // namespace
