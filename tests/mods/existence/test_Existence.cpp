// Existence: from the main window's button through the real window to the launch (both sides,
// Akimbot's side swap and held-back bot, the spawn key of the store bound), the bot file for each
// template and bot program, the binds with a key set and unset, and the window's sides and
// characters.
#include "mods/common/ModTestEnv.h"
#include "mods/common/EditSweep.h"

#include "mods/existence/UExistence.h"
#include "mods/existence/UFExistence.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Existence : public ::testing::Test {
protected:
    Existence() : Env(QStringLiteral("Existence"), QStringLiteral("EXistence"), QStringLiteral("Akimbot"))
    {
        Env.HL.AddMap(QStringLiteral("EXistence"), QStringLiteral("ex_hardline_day"));
        Env.HL.AddMap(QStringLiteral("EXistence"), QStringLiteral("ex_subway"));
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFExistence> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Existence"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFExistence*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFExistence>(w);
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/EX_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    void UseBot(const QByteArray& section)
    {
        UInit::SelectedBot = QString::fromLatin1(section.mid(1, section.indexOf(']') - 1));
        Env.Program.AddFile(QStringLiteral("Mods/Existence.ini"), section);
        TIniFile::FlushCache();
    }

    TModTestEnv Env;
};

TEST_F(Existence, FromTheMainWindowBothSidesThroughApplyAndLaunch)
{
    Env.HL.AddFile(QStringLiteral("EXistence/dlls/akimbot.dll"), "MZ");
    Env.HL.AddFile(QStringLiteral("EXistence/akimbot_chat.txt"), "hello\r\n");
    const QString config = Env.HL.AddFile(QStringLiteral("EXistence/config.cfg"), "name \"Me\"\r\n");
    // An older liblist.gam's Linux library line is kept.
    Env.HL.AddFile(QStringLiteral("EXistence/liblist.gam"),
                   "game \"Existence\"\r\ngamedll_linux \"dlls/existence_i386.so\"\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());

    TMain main;
    main.FormActivate();
    // The bot program's library in the mod folder shows the button; the selector lists the
    // data file's bots.
    EXPECT_FALSE(main.ModButton(QStringLiteral("Existence"))->isHidden());
    main.ModButtonClick(QStringLiteral("Existence"));
    QComboBox* bots = main.BotSelector();
    ASSERT_EQ(bots->count(), 1);
    ASSERT_EQ(bots->itemText(0), QStringLiteral("Akimbot"));
    bots->setCurrentIndex(0);

    bool applied = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFExistence*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Existence - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Existence"));
        EXPECT_FALSE(w->Chatfreq->isHidden());
        EXPECT_EQ(w->EX_restarttime->Text(), QStringLiteral("10"));
        EXPECT_EQ(w->EX_Jailtime->Text(), QStringLiteral("3"));
        w->EX_Jailtime->SetText(QStringLiteral("5"));
        w->EX_friendlyfire->click();
        // A Rebel of the second class (Akimbot's Agent, held back to the end) ...
        w->SBCreeBot->click();
        EXPECT_TRUE(w->EX_BotAl->isChecked());
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Operator"));
        w->SpeedButton13->click();
        w->botname->setText(QStringLiteral("Trin"));
        emit w->botname->textEdited(w->botname->text());
        // ... an Agent of the fourth, and a second Rebel of the second class.
        w->SBCreeBot->click();
        w->EX_BotAx->click();
        w->botmodel->setCurrentIndex(3);
        emit w->botmodel->activated(3);
        w->Botskill->setValue(3);
        w->SBCreeBot->click();
        w->SpeedButton13->click();
        w->spawnbot->SetText(QStringLiteral("3"));
        emit w->spawnbot->Edited();
        w->AddAllMapsClick();
        w->BApplyConf->click();
        applied = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(applied) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_restarttime\"\t\t\"10.00000\"",
                    "\"mp_jailtime\"\t\t\"5.00000\"", "\"mp_falldamage\"\t\t\"0\"", "\"mp_friendlyfire\"\t\t\"1\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"ex_subway"}));
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/EX_Bots.ini"))),
              Crlf({"[Default]", "numbot=3", "skill5=1", "spawnbot=3", "chatfreq=10", "chatfreq_kill=20",
                    "chatfreq_died=10", "[Bot 1]", "nom=Trin", "modele=2", "skill5=1", "team=1", "[Bot 2]",
                    "nom=NewBot", "modele=4", "skill5=3", "team=2", "[Bot 3]", "nom=NewBot", "modele=2",
                    "skill5=1", "team=1"}));

    // The listen server's own settings may not undo the mod's.
    Env.HL.AddFile(QStringLiteral("EXistence/listenserver.cfg"),
                   Crlf({"mp_jailtime 1", "mp_restarttime 0", "mp_falldamage 1", "sv_gravity 800"}));
    const QByteArray botFile =
        Crlf({"# addbot <team> <model> <name> <skill>", "botskill 1", "", "bot_chat_percent 10",
              "bot_taunt_percent 20", "bot_whine_percent 10", "", "Pause 2", "addbot 1 4 NewBot 3", "Pause 2",
              "addbot 2 2 NewBot 1", "Pause 2", "Pause 10", "addbot 3 2 Trin 1", "disablebotwaypointmessage"});
    // No spawn key in the store: no bind.
    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("ex_hardline_day"));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Existence\" // Game title", "url_info \"www.existence-mod.com\" // Info URL",
                    "url_dl \"\" // Downloading URL", "version \"Beta 1.3\" // version of mod",
                    "size \"75000000\" // size of mod", "svonly \"0\" // server side only mod? (1=yes 0=no)",
                    "cldll \"1\" // client side dll? (1=yes 0=no)", "hlversion \"1017\" // version of halflife",
                    "type \"multiplayer_only\" // type of mod",
                    "nomodels \"1\" // game selects player model (1=yes 0=no)", "mpentity \"info_player_deathmatch\"",
                    "gamedll \"dlls\\akimbot.dll\" // file and location of dll",
                    "gamedll_linux \"dlls/existence_i386.so\""}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), botFile);
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_jailtime 1", "//mp_restarttime 0", "//mp_falldamage 1", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(config), QByteArray("name \"Me\"\r\n"));

    // The spawn key has no chooser: set in the store by hand, a save through the window keeps it,
    // and two launches bind it once.
    const QString store = Env.ProgramFile(QStringLiteral("Bots/EX_Bots.ini"));
    ASSERT_TRUE(PutBytes(store, TModTestEnv::Read(store).replace("[Default]\r\n", "[Default]\r\nExecKey=F8\r\n")));
    TIniFile::FlushCache();
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFExistence*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        w->BApplyConf->click();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    EXPECT_TRUE(TModTestEnv::Read(store).contains("ExecKey=F8\r\n"));
    for (int launch = 2; launch <= 3; ++launch) {
        main.SB_HLClick();
        ASSERT_TRUE(Env.HL.WaitForRuns(launch)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    }
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), botFile);
    EXPECT_EQ(TModTestEnv::Read(config), Crlf({"name \"Me\"", "bind \"F8\" \"exec bot.cfg\""}));
}

// ---------------------------------------------------------------- the bot file

struct TBotFileCase {
    const char* Name;
    const char* Bot;        // the section name
    const char* Template;
    const char* Bots;       // [Bot N] sections of the store (spawnbot 2)
    const char* Expected;   // the lines after the header, split at "|"
};

class ExistenceBotFile : public Existence, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(ExistenceBotFile, EveryBotIsFollowedByItsPause)
{
    const TBotFileCase& c = GetParam();
    UseBot(QByteArray("[") + c.Bot + "]\r\ndll=dlls\\b.dll\r\naddbot=" + c.Template + "\r\n");
    WriteStore(QByteArray("[Default]\r\nspawnbot=2\r\nskill5=2\r\n") + c.Bots);
    QString error;
    ASSERT_TRUE(UExistence::Logic().WriteBotCfg(error)) << error.toStdString();
    QByteArray header = "# " + QByteArray(c.Template) + "\r\nbotskill 2\r\n\r\n";
    if (QByteArray(c.Bot) == "Akimbot")
        header += "bot_chat_percent 10\r\nbot_taunt_percent 20\r\nbot_whine_percent 10\r\n";
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              header + QByteArray(c.Expected).replace('|', "\r\n") + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Templates, ExistenceBotFile,
    ::testing::Values(
        TBotFileCase{"OtherBotTwoBots", "Other Bot", "addbot <team> <model> <name> <skill>",
                     "[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=3\r\nskill5=4\r\n[Bot 2]\r\nnom=B\r\nteam=0\r\n",
                     "addbot 1 3 A 4|Pause 2|addbot 0 1 B 1|Pause 2"},
        TBotFileCase{"TwoLineBreaks", "Other Bot", "addbot <team><CR>name <name><CR>skill <skill>",
                     "[Bot 1]\r\nnom=A\r\nteam=2\r\n",
                     "addbot 2|name A|skill 1|Pause 2|addbot 5|name NewBot|skill 1|Pause 2"},
        TBotFileCase{"UnknownTagAndSecondPlaceholder", "Other Bot", "addbot <name> <rank> <name>",
                     "[Bot 1]\r\nnom=A\r\n", "addbot A <rank> <name>|Pause 2|addbot NewBot <rank> <name>|Pause 2"},
        // Akimbot: side 1 is written 2, every other side 1; the first bot that ends on side 2
        // with class 2 waits for the end.
        TBotFileCase{"AkimbotSwapAndHeldBack", "Akimbot", "addbot <team> <model> <name> <skill>",
                     "[Bot 1]\r\nnom=A\r\nteam=2\r\nmodele=2\r\n[Bot 2]\r\nnom=B\r\nteam=1\r\nmodele=2\r\n",
                     "addbot 1 2 A 1|Pause 2||Pause 2|Pause 10|addbot 3 2 B 1|disablebotwaypointmessage"},
        TBotFileCase{"AkimbotNothingHeldBack", "Akimbot", "addbot <team> <model> <name> <skill>",
                     "[Bot 1]\r\nnom=A\r\nteam=0\r\nmodele=2\r\n[Bot 2]\r\nnom=B\r\nteam=1\r\nmodele=3\r\n",
                     "addbot 1 2 A 1|Pause 2|addbot 2 3 B 1|Pause 2|Pause 10||disablebotwaypointmessage"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- the spawn bind

struct TBindCase {
    const char* Name;
    const char* Section;    // the bot's section beyond dll and addbot
    const char* ExecKey;    // the store's [Default] line ("" none)
    bool BotFile;
    const char* ConfigAfter;
};

class ExistenceBind : public Existence, public ::testing::WithParamInterface<TBindCase> {};

TEST_P(ExistenceBind, OnlyARealKeyAndCommandAreBoundAndAnEditorBotWritesNothing)
{
    const TBindCase& c = GetParam();
    UseBot(QByteArray("[Test Bot]\r\ndll=dlls\\t.dll\r\naddbot=addbot <name>\r\n") + c.Section);
    WriteStore(QByteArray("[Default]\r\nspawnbot=1\r\n") + c.ExecKey);
    const QString config = Env.HL.AddFile(QStringLiteral("EXistence/config.cfg"), "name \"Me\"\r\n");
    QString error;
    ASSERT_TRUE(UExistence::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Exists(Env.ModFile(QStringLiteral("bot.cfg"))), c.BotFile);
    EXPECT_EQ(TModTestEnv::Read(config), QByteArray(c.ConfigAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ExistenceBind,
    ::testing::Values(
        TBindCase{"KeySet", "execcmd=exec bot.cfg\r\n", "ExecKey=Num Keypad 5\r\n", true,
                  "name \"Me\"\r\nbind \"KP_5\" \"exec bot.cfg\"\r\n"},
        TBindCase{"KeyUnset", "execcmd=exec bot.cfg\r\n", "", true, "name \"Me\"\r\n"},
        TBindCase{"NoCommand", "", "ExecKey=F8\r\n", true, "name \"Me\"\r\n"},
        TBindCase{"EditorBot", "execcmd=exec bot.cfg\r\nBotEditor=tbcc.exe\r\n", "ExecKey=F8\r\n", false,
                  "name \"Me\"\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Existence, AMissingConfigIsNoError)
{
    UseBot("[Test Bot]\r\ndll=dlls\\t.dll\r\naddbot=addbot <name>\r\nexeccmd=exec bot.cfg\r\n");
    WriteStore("[Default]\r\nspawnbot=1\r\nExecKey=F8\r\n");
    QString error;
    EXPECT_TRUE(UExistence::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("config.cfg"))));
}

// ---------------------------------------------------------------- the window

TEST_F(Existence, SwitchingSidesKeepsTheCharacterNumberAndOutsidersShowNoSide)
{
    WriteStore("[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=3\r\n"
               "[Bot 2]\r\nnom=B\r\nteam=0\r\nmodele=2\r\n[Bot 3]\r\nnom=C\r\nteam=2\r\nmodele=8\r\n");
    auto w = Open();
    EXPECT_TRUE(w->EX_BotAl->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Hacker"));
    w->EX_BotAx->click();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Sentinel"));
    EXPECT_EQ(UExistence::Logic().Bots()[0][3], QStringLiteral("2"));
    EXPECT_EQ(UExistence::Logic().Bots()[0][1], QStringLiteral("3"));

    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_FALSE(w->EX_BotAl->isChecked());
    EXPECT_FALSE(w->EX_BotAx->isChecked());
    EXPECT_EQ(w->botmodel->count(), 0);
    w->ListBot->setCurrentRow(2);
    w->ListBotClick();
    EXPECT_TRUE(w->EX_BotAx->isChecked());
    EXPECT_EQ(w->botmodel->currentIndex(), -1);   // class 8 is none of the seven
}

TEST_F(Existence, RestoreDefaultEmptiesTheMapCycleAndKeepsTheTimers)
{
    Env.HL.AddFile(QStringLiteral("EXistence/mapcycle.txt"), "ex_subway\r\n");
    Env.HL.AddFile(QStringLiteral("EXistence/game.cfg"),
                   "\"mp_restarttime\"\t\t\"20.00000\"\r\n\"mp_footsteps\"\t\t\"0\"\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=1\r\n");
    auto w = Open();
    ASSERT_GT(w->MapCycle->count(), 0);
    ASSERT_FALSE(w->EX_footsteps->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->MapCycle->count(), 0);
    EXPECT_TRUE(w->EX_footsteps->isChecked());
    EXPECT_EQ(w->EX_restarttime->Text(), QStringLiteral("20"));
    EXPECT_EQ(w->ListBot->count(), 1);
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost;
// random bots stay within what their controls can show.
TEST_F(Existence, EveryEditMarksTheSettingsModifiedAndRandomBotsStayInRange)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nteam=2\r\nmodele=2\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UExistence::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/EX_Bots.ini"), store);

    w.reset();
    auto again = Open();
    const EditSweep::TRandomSlots drawn = EditSweep::DrawRandomBots(*again);
    EXPECT_EQ(drawn.Classes, (QSet<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(drawn.Sides, (QSet<int>{1, 2}));
    EXPECT_EQ(drawn.Skills, (QSet<int>{0, 1, 2, 3, 4, 5}));
}

} // namespace
