// Wanted end to end: from the main window's button through the real window's controls and Apply
// to the files the mod reads (game.cfg, mapcycle.txt, botcycle.txt and one .bot file per bot),
// then the launch, which writes nothing of its own; then the bot files as they are read, the
// folder states a load meets, and the saves that must be refused.
#include "mods/common/ModTestEnv.h"

#include "mods/wanted/UFWanted.h"
#include "mods/wanted/UWanted.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

QByteArray BotFile(const char* model, const char* skill, const char* top, const char* bottom)
{
    return Crlf({"// Bot configuration file", "", "// Deatmatch model"}) + "Model: " + model + "\r\n" +
           Crlf({"", "// Skill level (1-5)"}) + "Skill: " + skill + "\r\n" +
           Crlf({"", "// Deathmatch colors (0-254)"}) + "Topcolor: " + top + "\r\nBottomcolor: " + bottom +
           "\r\n";
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

TEST(WantedFromMainWindow, EditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("Wantedhl"), QStringLiteral("wantedhl"), QString());
    env.HL.AddMap(QStringLiteral("wantedhl"), QStringLiteral("dusk"));
    env.HL.AddFile(QStringLiteral("wantedhl/maps/dusk.nav"), "nav");
    env.HL.AddMap(QStringLiteral("wantedhl"), QStringLiteral("canyon"));   // one of the fixed entries
    env.HL.AddFile(QStringLiteral("wantedhl/botcycle.txt"), "Old\r\nKept\r\n");
    env.HL.AddFile(QStringLiteral("wantedhl/bots/Old.bot"), BotFile("sheriff", "2", "1", "2"));
    env.HL.AddFile(QStringLiteral("wantedhl/bots/Kept.bot"), BotFile("outlaw", "3", "140", "160"));
    env.HL.AddFile(QStringLiteral("wantedhl/bots/Loose.bot"), BotFile("ramone", "1", "0", "0"));
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.FormActivate();
    QToolButton* button = main.ModButton(QStringLiteral("Wantedhl"));
    ASSERT_TRUE(button && !button->isHidden());
    button->click();

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFWanted*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Wanted !"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Wanted"));
        EXPECT_EQ(w->PC->count(), 3);   // Game, Maps, Bots: no Chat page
        const QStringList maps = Items(w->MapDispo);
        EXPECT_EQ(maps.size(), 18) << maps.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(maps.contains(QStringLiteral("dusk *")));
        EXPECT_TRUE(maps.contains(QStringLiteral("hn_highnoon")));
        EXPECT_EQ(Items(w->ListBot), (QStringList{QStringLiteral("Old"), QStringLiteral("Kept")}));
        EXPECT_EQ(w->WT_botparam2->Text(), QStringLiteral("1"));   // Old's shirt, its top colour
        EXPECT_EQ(w->WT_defaultbots->Text(), QStringLiteral("3"));
        EXPECT_EQ(UWanted::Logic().State.Modified, 0);

        w->WT_timelimit->SetText(QStringLiteral("20"));
        w->WT_fraglimit->SetText(QStringLiteral("50"));
        w->WT_fallreal->click();
        w->WT_friendlyfire->click();
        w->WT_footsteps->click();
        w->WT_defaultbots->stepBy(2);
        w->WT_adjbotskill->click();
        w->defskill->setValue(2);
        EXPECT_EQ(UWanted::Logic().State.Modified, 1);

        w->ListBot->setCurrentRow(0);
        env.Dialogs.ExpectConfirm(true);
        w->SBDelBot->click();
        w->SBCreeBot->click();
        TModTestEnv::Type(w->botname, QStringLiteral("x. *"));   // a name is a file name
        w->Botskill->setValue(4);
        w->SpeedButton13->click();   // the model after ramone
        w->WT_botparam2->stepBy(5);
        w->WT_botparam1->stepBy(-3);
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_fraglimit\"\t\t\"50.00000\"", "\"mp_timelimit\"\t\t\"20.00000\"",
                    "\"mp_falldamage\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"0\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"sv_defaultbots\"\t\t\"5.00000\"",
                    "\"sv_adjbotskill\"\t\t\"1\"", "\"sv_botskill\"\t\t\"2\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    // The first map is the start map; the rest is the cycle, the fixed maps among the folder's.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))),
              Crlf({"ctc1", "ctc2", "ctc3", "dusk", "fortdm", "hn_desp", "hn_fort", "hn_highnoon",
                    "hn_mexnoon", "imagic", "mariano", "mineyard", "oneclaw", "ridge", "serino", "showdm",
                    "wanted"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("botcycle.txt"))), Crlf({"Kept", "NewBotx"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bots/NewBotx.bot"))),
              BotFile("ranger", "4", "15", "7"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bots/Kept.bot"))),
              BotFile("outlaw", "3", "140", "160"));
    // The deleted bot loses its file; a file botcycle.txt never listed is none of ours to remove.
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("bots/Old.bot"))));
    EXPECT_TRUE(TModTestEnv::Exists(env.ModFile(QStringLiteral("bots/Loose.bot"))));

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(env.HL.RecordedRuns().front().Args,
              (QStringList{QStringLiteral("-console"), QStringLiteral("-game"), QStringLiteral("wantedhl"),
                           QStringLiteral("+sv_lan"), QStringLiteral("1"), QStringLiteral("+maxplayers"),
                           QStringLiteral("32"), QStringLiteral("+connect"), QStringLiteral("+map"),
                           QStringLiteral("canyon")}));
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("liblist.gam"))));
}

struct TReadCase {
    const char* Name;
    QStringList Lines;
    QStringList Record;   // model, skill, pants, shirt
};

void PrintTo(const TReadCase& c, std::ostream* os) { *os << c.Name; }

class WantedBotFileRead : public ::testing::TestWithParam<TReadCase> {};

TEST_P(WantedBotFileRead, GivesTheRecord)
{
    TBot bot;
    UWanted::ReadBotFile(GetParam().Lines, bot);
    EXPECT_EQ((QStringList{bot[1], bot[2], bot[3], bot[4]}), GetParam().Record);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WantedBotFileRead,
    ::testing::Values(
        TReadCase{"KeysInAnyCase", {"Model: ramone", "SKILL: 4", "topcolor: 20", "BottomColor: 30"},
                  {"ramone", "4", "30", "20"}},
        // The value is what follows the colon, however many blanks there are.
        TReadCase{"ValueAfterTheColonTrimmed", {"Model:sheriff  ", "Skill:   2", "Topcolor:200", "Bottomcolor:\t9"},
                  {"sheriff", "2", "9", "200"}},
        TReadCase{"MissingKeysGiveThePlainBot", {"// Bot configuration file", ""}, {"ramone", "1", "10", "10"}},
        TReadCase{"LettersAndOutOfRange", {"Model: ", "Skill: high", "Topcolor: -4", "Bottomcolor: 300"},
                  {"ramone", "1", "254", "0"}},
        TReadCase{"LastValueWinsAndCommentsAreNoSettings",
                  {"Model: deputy", "// Model: nobody", "Model: bandito", "Skill: 3", "Skill: 9"},
                  {"bandito", "5", "10", "10"}}),
    [](const auto& info) { return std::string(info.param.Name); });

class WantedTest : public ::testing::Test {
protected:
    WantedTest() : Env(QStringLiteral("Wantedhl"), QStringLiteral("wantedhl"), QString())
    {
        Env.HL.AddMap(QStringLiteral("wantedhl"), QStringLiteral("dusk"));
    }
    std::unique_ptr<TFWanted> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("Wantedhl"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFWanted*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFWanted>(w);
    }
    void AddFile(const QString& rel, const QByteArray& bytes) { Env.HL.AddFile(QStringLiteral("wantedhl/") + rel, bytes); }
    QByteArray Read(const QString& rel) const { return TModTestEnv::Read(Env.ModFile(rel)); }
    QString Shown() const { return Env.Dialogs.Texts().join(QLatin1Char('|')); }
    TModTestEnv Env;
};

const char* kEmptyWarning = "Bots definition file empty. No bot loaded.\r\nYou must create your own bots.";

TEST_F(WantedTest, WithoutBotcycleTheBotFilesAreListedAndTheWarningIsOnlyForNoBots)
{
    {
        auto w = Open();
        EXPECT_EQ(w->ListBot->count(), 0);
        EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Warning), QStringList{QString::fromLatin1(kEmptyWarning)});
        EXPECT_EQ(Read(QStringLiteral("botcycle.txt")), QByteArray());
    }
    Env.Dialogs.Clear();
    QFile::remove(Env.ModFile(QStringLiteral("botcycle.txt")));
    AddFile(QStringLiteral("bots/Zed.bot"), BotFile("cowboy", "5", "1", "2"));
    AddFile(QStringLiteral("bots/abe.bot"), BotFile("sheriff", "2", "3", "4"));
    auto w = Open();
    EXPECT_EQ(Items(w->ListBot), (QStringList{QStringLiteral("abe"), QStringLiteral("Zed")}));
    EXPECT_EQ(Shown(), QString());
    EXPECT_EQ(Read(QStringLiteral("botcycle.txt")), Crlf({"abe", "Zed"}));
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("sheriff"));
    EXPECT_EQ(w->WT_botparam1->Text(), QStringLiteral("4"));
}

TEST_F(WantedTest, BotcycleNamesWithoutAFileOrOutsideTheFolderAreSkipped)
{
    AddFile(QStringLiteral("botcycle.txt"), "Ghost\r\n../Esc\r\n  Abe  \r\nABE\r\n\r\n");
    AddFile(QStringLiteral("bots/Abe.bot"), BotFile("sheriff", "2", "3", "4"));
    AddFile(QStringLiteral("Esc.bot"), BotFile("sheriff", "2", "3", "4"));
    auto w = Open();
    EXPECT_EQ(Items(w->ListBot), QStringList{QStringLiteral("Abe")});
    EXPECT_EQ(Shown(), QString());
    // Saved, the list is the bots read; no file outside the folder is touched.
    ASSERT_TRUE(w->Logic().SaveConf()) << Shown().toStdString();
    EXPECT_EQ(Read(QStringLiteral("botcycle.txt")), Crlf({"Abe"}));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("Esc.bot"))));
}

TEST_F(WantedTest, TwoBotsOfOneFileNameAreRefusedBeforeAnythingIsWritten)
{
    AddFile(QStringLiteral("botcycle.txt"), "Bob\r\n");
    const QByteArray bob = BotFile("sheriff", "2", "3", "4");
    AddFile(QStringLiteral("bots/Bob.bot"), bob);
    auto w = Open();
    w->SBCreeBot->click();
    w->botname->clear();
    TModTestEnv::Type(w->botname, QStringLiteral("bOB"));
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_TRUE(Shown().contains(QStringLiteral("Two bots are named \"bOB\""))) << Shown().toStdString();
    EXPECT_EQ(Read(QStringLiteral("bots/Bob.bot")), bob);
    EXPECT_EQ(Read(QStringLiteral("botcycle.txt")), Crlf({"Bob"}));
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

TEST_F(WantedTest, ABotFileThatCannotBeWrittenKeepsTheListAndTheWindowOpen)
{
    AddFile(QStringLiteral("botcycle.txt"), "Bob\r\n");
    AddFile(QStringLiteral("bots/Bob.bot"), BotFile("sheriff", "2", "3", "4"));
    AddFile(QStringLiteral("mapcycle.txt"), "dusk\r\n");
    QDir().mkpath(Env.ModFile(QStringLiteral("bots/NewBot.bot")));   // a folder where the file goes
    auto w = Open();
    w->ListBot->setCurrentRow(0);
    Env.Dialogs.ExpectConfirm(true);
    w->SBDelBot->click();
    w->SBCreeBot->click();
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_TRUE(Shown().contains(QStringLiteral("NewBot.bot"))) << Shown().toStdString();
    EXPECT_EQ(Read(QStringLiteral("botcycle.txt")), Crlf({"Bob"}));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("bots/Bob.bot"))));
}

TEST_F(WantedTest, RestoreDefaultListsEveryMapOnceAndKeepsTheBots)
{
    AddFile(QStringLiteral("botcycle.txt"), "Bob\r\n");
    AddFile(QStringLiteral("bots/Bob.bot"), BotFile("sheriff", "2", "3", "4"));
    AddFile(QStringLiteral("game.cfg"), Crlf({"\"sv_defaultbots\"\t\t\"7.00000\"", "\"mp_footsteps\"\t\t\"0\"",
                                              "\"sv_botskill\"\t\t\"2.00000\""}));
    auto w = Open();
    EXPECT_EQ(w->WT_defaultbots->Text(), QStringLiteral("7"));
    EXPECT_EQ(w->defskill->value(), 2);
    const QStringList maps = Items(w->MapDispo);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(Items(w->MapDispo), maps);
    EXPECT_EQ(w->WT_defaultbots->Text(), QStringLiteral("3"));
    EXPECT_TRUE(w->WT_footsteps->isChecked());
    EXPECT_EQ(w->defskill->value(), 1);
    EXPECT_EQ(Items(w->ListBot), QStringList{QStringLiteral("Bob")});
}

TEST_F(WantedTest, ADrawnBotKeepsTheNameRuleAndTheRanges)
{
    Env.Program.AddFile(QStringLiteral("bot_names.txt"), "Dr.Who\r\n");
    UInit::ReadBotNames();
    AddFile(QStringLiteral("botcycle.txt"), "");
    auto w = Open();
    w->SBCreeRandomBot->click();
    const TBot bot = UWanted::Logic().Bots().value(0);
    EXPECT_EQ(bot[0], QStringLiteral("DrWho"));
    EXPECT_TRUE(UWanted::ModelNames().contains(bot[1])) << bot[1].toStdString();
    for (const auto& [value, low, high] : {std::tuple{bot[2], 1, 5}, {bot[3], 0, 254}, {bot[4], 0, 254}}) {
        bool ok = false;
        const int v = value.toInt(&ok);
        EXPECT_TRUE(ok && v >= low && v <= high) << value.toStdString();
    }
}

} // namespace
