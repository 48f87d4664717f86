// Day of Defeat: from the main window's button through the real window to the launch (both sides,
// a spawn key bound), the bot file and binds for each combination of commands and keys, and the
// window's own parts (friendly fire in mp_teamplay, the class list of each side).
#include "mods/common/ModTestEnv.h"
#include "mods/common/EditSweep.h"

#include "mods/dod/UDod.h"
#include "mods/dod/UFDod.h"
#include "ui/NumberEdit.h"
#include "ui/ModalRunner.h"
#include "ui/UEditor.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QGroupBox>
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

class Dod : public ::testing::Test {
protected:
    Dod() : Env(QStringLiteral("Dod"), QStringLiteral("dod"), QStringLiteral("Sturmbot"))
    {
        Env.HL.AddMap(QStringLiteral("dod"), QStringLiteral("dod_anzio"));
        Env.HL.AddMap(QStringLiteral("dod"), QStringLiteral("dod_avalanche"));
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFDod> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Dod"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFDod*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFDod>(w);
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/DD_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    static void Choose(QComboBox* box, const QString& text)
    {
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    }

    TModTestEnv Env;
};

TEST_F(Dod, FromTheMainWindowBothSidesWithoutThenWithASpawnKeyThroughApplyAndLaunch)
{
    Env.HL.AddFile(QStringLiteral("dod/dlls/sturmbot.dll"), "MZ");
    const QString config = Env.HL.AddFile(QStringLiteral("dod/config.cfg"), "name \"Me\"\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());

    TMain main;
    main.FormActivate();
    // The bot program's library in the mod folder shows the button; the selector lists the
    // data file's bots.
    EXPECT_FALSE(main.ModButton(QStringLiteral("Dod"))->isHidden());
    main.ModButtonClick(QStringLiteral("Dod"));
    QComboBox* bots = main.BotSelector();
    ASSERT_EQ(bots->count(), 1);
    ASSERT_EQ(bots->itemText(0), QStringLiteral("Sturmbot"));
    bots->setCurrentIndex(0);

    // First visit: the game, two bots and the maps, no spawn key; second visit: the key.
    int visit = 0;
    bool applied = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFDod*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        ++visit;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Day of Defeat - Sturmbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit D.o.D."));
        // The spawn command is set for Sturmbot, its menu command is not.
        EXPECT_FALSE(w->DD_ExecKey->isHidden());
        EXPECT_TRUE(w->DD_botmenu->isHidden());
        EXPECT_FALSE(w->DD_Rank->isHidden());
        EXPECT_EQ(w->DD_ExecKey->currentIndex(), -1);
        if (visit == 1) {
            w->DD_friendlyfire->click();
            w->DD_fallreal->click();
            w->DD_tkpenalty->SetText(QStringLiteral("3"));
            w->DD_max_reaction->SetText(QStringLiteral("150"));
            w->DD_Rank->click();
            // An Ally with the assault class ...
            w->SBCreeBot->click();
            w->botname->setText(QStringLiteral("Miller"));
            emit w->botname->textEdited(w->botname->text());
            w->DD_BotAl->click();
            EXPECT_EQ(w->botmodel->itemText(0), QStringLiteral("Light"));
            Choose(w->botmodel, QStringLiteral("Assault"));
            // ... and an Axis sniper of skill 2.
            w->SBCreeBot->click();
            w->DD_BotAx->click();
            EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("<Random Class>"));
            Choose(w->botmodel, QStringLiteral("Sch\u00fctzen"));
            w->Botskill->setValue(2);
            w->spawnbot->SetText(QStringLiteral("2"));
            emit w->spawnbot->Edited();
            w->AddAllMapsClick();
        } else {
            Choose(w->DD_ExecKey, QStringLiteral("Num Keypad ENTER"));
        }
        w->BApplyConf->click();
        applied = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    ASSERT_TRUE(applied) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_fraglimit\"\t\t\"0.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_tkpenalty\"\t\t\"3.00000\"", "\"mp_falldamage\"\t\t\"1\"", "\"mp_teamplay\"\t\t\"11\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"dod_avalanche"}));
    const QByteArray bots2 = "[Bot 1]\r\nnom=Miller\r\nmodele=2\r\nskill5=0\r\nteam=1\r\n"
                             "[Bot 2]\r\nnom=NewBot\r\nmodele=3\r\nskill5=2\r\nteam=2\r\n";
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/DD_Bots.ini"))),
              "[Default]\r\nnumbot=2\r\nskill5=1\r\nspawnbot=2\r\nbotmenu=\r\nExecKey=\r\nbotchat=0\r\n"
              "grenade=0\r\nmin_reaction=70\r\nmax_reaction=150\r\nrank=1\r\nminskill=1\r\n" + bots2);

    // The listen server's own settings may not undo the mod's.
    Env.HL.AddFile(QStringLiteral("dod/listenserver.cfg"),
                   Crlf({"mp_teamplay 1", "mp_tkpenalty 0", "mp_teamlist \"a;b\"", "sv_gravity 800"}));
    const QByteArray liblist =
        Crlf({"game \"Day of Defeat\" // Game title", "url_info \"www.dayofdefeat.com\" // Info URL",
              "url_dl \"\" // Downloading URL", "version \"2.0\" // version of mod",
              "size \"154000000\" // size of mod", "svonly \"0\" // server side only mod? (1=yes 0=no)",
              "cldll \"1\" // client side dll? (1=yes 0=no)",
              "type \"multiplayer_only\" // type of mod--don't know values that go here..",
              "nomodels \"1\" // game selects player model (1=yes 0=no)", "mpentity \"info_player_allies\"",
              "gamedll \"dlls\\sturmbot.dll\" // file and location of dll", "gamedll_linux \"dlls/dod_i386.so\""});
    const QByteArray botFile = Crlf({"# addbot <team> <model> <name> <skill>", "botskill 1", "pause 3", "",
                                     "min_reaction 70", "max_reaction 150", "rank 1", "addbot 1 2 Miller 0",
                                     "addbot 2 3 NewBot 2"});
    // Without a spawn key, no bind.
    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("dod_anzio"));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))), liblist);
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), botFile);
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_teamplay 1", "//mp_tkpenalty 0", "//mp_teamlist \"a;b\"", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(config), QByteArray("name \"Me\"\r\n"));

    // With one: two launches, one bind line of the Half-Life key name.
    applied = false;
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(applied) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/DD_Bots.ini")))
                    .contains("ExecKey=Num Keypad ENTER\r\n"));
    for (int launch = 2; launch <= 3; ++launch) {
        main.SB_HLClick();
        ASSERT_TRUE(Env.HL.WaitForRuns(launch)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    }
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), botFile);
    EXPECT_EQ(TModTestEnv::Read(config), Crlf({"name \"Me\"", "bind \"KP_ENTER\" \"exec bot.cfg\""}));
}

// ---------------------------------------------------------------- launch files

struct TBindCase {
    const char* Name;
    const char* Commands;   // the bot section's botmenucmd / execcmd lines
    const char* Keys;       // the store's botmenu / ExecKey lines
    const char* MenuLine;   // expected in the bot file after the empty line ("" none)
    const char* ConfigAfter;
};

class DodBinds : public Dod, public ::testing::WithParamInterface<TBindCase> {};

TEST_P(DodBinds, ABindNeedsBothAKeyAndACommand)
{
    const TBindCase& c = GetParam();
    UInit::SelectedBot = QStringLiteral("Test Bot");
    Env.Program.AddFile(QStringLiteral("Mods/DoD.ini"),
                        QByteArray("[Test Bot]\r\ndll=dlls\\t.dll\r\naddbot=addbot <name>\r\n") + c.Commands);
    WriteStore(QByteArray("[Default]\r\nspawnbot=1\r\n") + c.Keys + "[Bot 1]\r\nnom=Zed\r\n");
    const QString config = Env.HL.AddFile(QStringLiteral("dod/config.cfg"), "name \"Me\"\r\n");
    QString error;
    ASSERT_TRUE(UDod::Logic().LaunchWriters(error)) << error.toStdString();
    QByteArray expected = "# addbot <name>\r\nbotskill 0\r\npause 3\r\n\r\n";
    if (*c.MenuLine)
        expected += QByteArray(c.MenuLine) + "\r\n";
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), expected + "addbot Zed\r\n");
    EXPECT_EQ(TModTestEnv::Read(config), QByteArray(c.ConfigAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DodBinds,
    ::testing::Values(
        TBindCase{"BothSet", "botmenucmd=bot_menu\r\nexeccmd=exec bot.cfg\r\n",
                  "botmenu=Num Keypad 0\r\nExecKey=F6\r\n", "bind \"KP_INS\" \"bot_menu\"",
                  "name \"Me\"\r\nbind \"F6\" \"exec bot.cfg\"\r\n"},
        TBindCase{"KeysUnset", "botmenucmd=bot_menu\r\nexeccmd=exec bot.cfg\r\n", "botmenu=\r\n", "",
                  "name \"Me\"\r\n"},
        TBindCase{"KeyNotInTheTable", "execcmd=exec bot.cfg\r\n", "ExecKey=Caps Lock\r\n", "", "name \"Me\"\r\n"},
        TBindCase{"CommandsUnset", "", "botmenu=F7\r\nExecKey=F6\r\n", "", "name \"Me\"\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Dod, MissingConfigIsNoErrorAndAnEditorBotWritesNothing)
{
    UInit::SelectedBot = QStringLiteral("Test Bot");
    Env.Program.AddFile(QStringLiteral("Mods/DoD.ini"),
                        "[Test Bot]\r\ndll=dlls\\t.dll\r\naddbot=addbot <name>\r\nexeccmd=exec bot.cfg\r\n"
                        "[Editor Bot]\r\ndll=dlls\\e.dll\r\nBotEditor=e.exe\r\nexeccmd=exec bot.cfg\r\n");
    WriteStore("[Default]\r\nspawnbot=1\r\nExecKey=F6\r\n");
    QString error;
    ASSERT_TRUE(UDod::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("config.cfg"))));
    const QString config = Env.HL.AddFile(QStringLiteral("dod/config.cfg"), "name \"Me\"\r\n");
    QFile::remove(Env.ModFile(QStringLiteral("bot.cfg")));
    UInit::SelectedBot = QStringLiteral("Editor Bot");
    ASSERT_TRUE(UDod::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("bot.cfg"))));
    EXPECT_EQ(TModTestEnv::Read(config), QByteArray("name \"Me\"\r\n"));
}

TEST_F(Dod, BotEntriesWriteAutoAsFiveSplitAtCrAndKeepSecondPlaceholders)
{
    UInit::SelectedBot = QStringLiteral("Test Bot");
    Env.Program.AddFile(QStringLiteral("Mods/DoD.ini"),
                        "[Test Bot]\r\ndll=dlls\\t.dll\r\naddbot=addbot <team> <model><CR>name <name> <skill> <skill>\r\n");
    // Auto, a missing team, a side; the fourth entry has no [Bot 4] at all.
    WriteStore("[Default]\r\nspawnbot=4\r\nskill5=3\r\n[Bot 1]\r\nnom=A\r\nteam=0\r\nmodele=2\r\nskill5=4\r\n"
               "[Bot 2]\r\nnom=B\r\nmodele=x\r\n[Bot 3]\r\nnom=C\r\nteam=2\r\nmodele=5\r\nskill5=1\r\n");
    QString error;
    ASSERT_TRUE(UDod::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <model><CR>name <name> <skill> <skill>", "botskill 3", "pause 3", "",
                    "addbot 5 2", "name A 4 <skill>", "addbot 5 1", "name B 1 <skill>", "addbot 2 5",
                    "name C 1 <skill>", "addbot 5 1", "name NewBot 1 <skill>"}));
}

// ---------------------------------------------------------------- the window

TEST_F(Dod, FriendlyFireIsReadFromTeamplayElevenOnly)
{
    for (const auto& [teamplay, on] : {std::pair{"11", true}, std::pair{"21", false}, std::pair{"1", false}}) {
        Env.HL.AddFile(QStringLiteral("dod/game.cfg"),
                       QByteArray("\"mp_teamplay\"\t\t\"") + teamplay + "\"\r\n\"mp_falldamage\"\t\t\"1.0\"\r\n");
        WriteStore("[Default]\r\nnumbot=0\r\n");
        auto w = Open();
        EXPECT_EQ(w->DD_friendlyfire->isChecked(), on) << teamplay;
        EXPECT_TRUE(w->DD_fallnorm->isChecked()) << "only the exact 1 is Realistic";
    }
}

TEST_F(Dod, EachSideHasItsClassesAndStoredOutsidersShowNoClass)
{
    WriteStore("[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=A\r\nteam=2\r\nmodele=4\r\n"
               "[Bot 2]\r\nnom=B\r\nteam=1\r\nmodele=0\r\n[Bot 3]\r\nnom=C\r\nteam=7\r\nmodele=9\r\n");
    auto w = Open();
    EXPECT_TRUE(w->DD_BotAx->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Infanterie"));
    // Switching the side keeps the class number: the fourth class of the Allies.
    w->DD_BotA->click();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Heavy / Infanterie"));
    EXPECT_EQ(UDod::Logic().Bots()[0][3], QStringLiteral("0"));
    for (int row : {1, 2}) {
        w->ListBot->setCurrentRow(row);
        w->ListBotClick();
        EXPECT_EQ(w->botmodel->currentIndex(), -1) << row;
    }
    EXPECT_TRUE(w->DD_BotA->isChecked());   // side 7 reads as Auto
    EXPECT_FALSE(w->DD_BotAl->isChecked());
}

TEST_F(Dod, EveryMapMayHaveItsOwnConfigInTheModFolder)
{
    Env.HL.AddFile(QStringLiteral("dod/dod_anzio.cfg"), "mp_timelimit 5\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    ASSERT_FALSE(w->BEditCfg->isHidden());
    EXPECT_EQ(w->BEditCfg->objectName(), QStringLiteral("TF_BEditCfg"));
    ASSERT_EQ(w->MapDispo->count(), 2);
    EXPECT_EQ(w->MapDispo->item(0)->text().trimmed(), QStringLiteral("dod_anzio +"));
    EXPECT_EQ(w->MapDispo->item(1)->text().trimmed(), QStringLiteral("dod_avalanche"));

    QString opened;
    ModalRunner::Set([&opened](QDialog& d) {
        if (auto* editor = qobject_cast<TEditor*>(&d))
            opened = editor->FilePath();
        return 0;
    });
    w->MapDispo->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    w->BEditCfg->click();
    ModalRunner::Set({});
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(opened)).toLower(),
              Env.HL.Path(QStringLiteral("dod/dod_anzio.cfg")).toLower());
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost;
// random bots stay within what their controls can show.
TEST_F(Dod, EveryEditMarksTheSettingsModifiedAndRandomBotsStayInRange)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nteam=2\r\nmodele=2\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UDod::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/DD_Bots.ini"), store);

    w.reset();
    auto again = Open();
    const EditSweep::TRandomSlots drawn = EditSweep::DrawRandomBots(*again);
    EXPECT_EQ(drawn.Classes, (QSet<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(drawn.Sides, (QSet<int>{0, 1, 2}));
    EXPECT_EQ(drawn.Skills, (QSet<int>{0, 1, 2, 3, 4, 5}));
}

} // namespace
