// Firearms: from the main window's button through its window to the files it and the launch
// write, the launch writer's variations, FireBot's skill file and the damaged-store cases.
#include "mods/common/ModTestEnv.h"

#include "mods/firearms/UFFirearms.h"
#include "mods/firearms/UFirearms.h"
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
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A second bot program beside FireBot, and one with an outside editor.
const QByteArray kExtraSections =
    "\r\n[Plain Bot]\r\ndll=dlls\\plain.dll\r\nmaxskill=10\r\naddbot=addbot <team> <weapon> <name> <skill>\r\n"
    "\r\n[Editor Bot]\r\ndll=dlls\\editor.dll\r\nBotEditor=edit.exe\r\nBotEditorPath=\\editor\\\r\n"
    "addbot=addbot <name>\r\n";

class FirearmsTest : public ::testing::Test {
protected:
    FirearmsTest() : Env(QStringLiteral("Firearms"), QStringLiteral("firearms"), QStringLiteral("FireBot"))
    {
        const QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/Firearms.ini")));
        Env.Program.AddFile(QStringLiteral("Mods/Firearms.ini"), mods + kExtraSections);
        Env.HL.AddFile(QStringLiteral("Firebot/dlls/firebot.dll"), "MZ");
        Env.HL.AddMap(QStringLiteral("firearms"), QStringLiteral("fa_alamo"));
        Env.HL.AddFile(QStringLiteral("firearms/maps/fa_alamo.wpt"), "w");
        Env.HL.AddMap(QStringLiteral("firearms"), QStringLiteral("fa_bank"));
        Env.HL.AddFile(QStringLiteral("firearms/maps/fa_bank.wpt"), "w");
        Env.HL.AddMap(QStringLiteral("firearms"), QStringLiteral("fa_nowaypoint"));
        Env.HL.AddFile(QStringLiteral("Firebot/firearms/.keep"), "");
        TIniFile::FlushCache();
    }

    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/FA_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFFirearms> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Firearms"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFFirearms*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFFirearms>(w);
    }
    bool RunWriters(QString& error)
    {
        TModRow* row = ModTable::Find(QStringLiteral("Firearms"));
        return row && row->Hooks.LaunchWriters && row->Hooks.LaunchWriters(error);
    }
    QByteArray ModBytes(const char* name) const { return TModTestEnv::Read(Env.ModFile(QString::fromLatin1(name))); }

    TModTestEnv Env;
};

// ---------------------------------------------------------------- end to end

TEST_F(FirearmsTest, FromTheMainWindowThroughApplyAndLaunch)
{
    Env.HL.AddFile(QStringLiteral("Firebot/firearms/botskill.cfg"),
                   Crlf({"# FireBot skills", "REACT_MIN 1 0.10", "REACT_MIN 2 0.20", "AIM_HEAD 5 80"}));
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("Firearms"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("FireBot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("FireBot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFFirearms*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("FireArms - FireBot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit FireArms"));
        EXPECT_GE(w->PC->indexOf(w->TS_FA_Skill), 0);
        // Only the map with its waypoint file is offered.
        EXPECT_EQ(w->MapDispo->count(), 2);
        EXPECT_EQ(w->FA_Skills->item(1, 1)->text(), QStringLiteral("0.10"));
        EXPECT_EQ(w->FA_Skills->item(0, 1)->text(), QStringLiteral("   Skill 1"));
        EXPECT_EQ(w->FA_Skills->item(6, 0)->text(), QStringLiteral(" Headshot %"));

        w->FA_fraglimit->stepBy(25);
        w->FA_fallreal->click();
        w->FA_friendlyfire->click();
        w->FA_footsteps->click();
        w->FA_useskills->setCurrentIndex(3);
        emit w->FA_useskills->activated(3);
        w->FA_botstamina->click();
        w->FA_autoexeccfg->click();
        w->SBCreeBot->click();
        w->findChild<QRadioButton*>(QStringLiteral("FA_TeamBlue"))->click();
        w->FA_botweapon->setCurrentIndex(14);
        emit w->FA_botweapon->activated(14);
        w->Botskill->setValue(3);
        w->FA_Skills->item(2, 3)->setText(QStringLiteral("0.45"));
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(ModBytes("game.cfg"),
              Crlf({"\"mp_teamlist\"\t\t\"blue;red\"", "\"mp_teamplay\"\t\t\"1\"",
                    "\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_falldamage\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"1\"",
                    "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"0\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_blood\"\t\t\"1\"", "\"mp_shells\"\t\t\"1\"",
                    "\"mp_bulletholes\"\t\t\"1\"", "\"sv_useskills\"\t\t\"3\"", "\"autoexeccfg\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(ModBytes("mapcycle.txt"), Crlf({"fa_bank"}));
    EXPECT_EQ(TModTestEnv::Read(Env.HL.Path(QStringLiteral("Firebot/firearms/botskill.cfg"))),
              Crlf({"AIM_X 1 ", "AIM_X 2 ", "AIM_X 3 ", "AIM_X 4 ", "AIM_X 5 ", "",
                    "AIM_Y 1 ", "AIM_Y 2 ", "AIM_Y 3 ", "AIM_Y 4 ", "AIM_Y 5 ", "",
                    "AIM_Z 1 ", "AIM_Z 2 ", "AIM_Z 3 ", "AIM_Z 4 ", "AIM_Z 5 ", "",
                    "AIM_HEAD 1 ", "AIM_HEAD 2 ", "AIM_HEAD 3 ", "AIM_HEAD 4 ", "AIM_HEAD 5 80", "",
                    "REACT_MIN 1 0.10", "REACT_MIN 2 0.20", "REACT_MIN 3 ", "REACT_MIN 4 ", "REACT_MIN 5 ", "",
                    "REACT_MAX 1 ", "REACT_MAX 2 ", "REACT_MAX 3 0.45", "REACT_MAX 4 ", "REACT_MAX 5 "}));
    const TIniFile store(Env.ProgramFile(QStringLiteral("Bots/FA_Bots.ini")));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 1"), QStringLiteral("modele"), QStringLiteral("none")),
              QStringLiteral("none"));

    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("fa_alamo"));
    EXPECT_EQ(ModBytes("liblist.gam"),
              Crlf({"// Firearms .dll Listing File\"", "game \"Firearms\"", "url_info \"www.firearmsmod.com\"",
                    "url_dl \"www.firearmsmod.com\"", "version \"RC2.5\"", "size \"167800000\"",
                    "hlversion \"1106\"", "svonly \"0\"", "cldll \"1\"", "type \"multiplayer_only\"",
                    "nomodels \"1\"",
                    "mpentity \"info_firearms_detect\"   // Only these maps will appear in the listing",
                    "gamedll \"..\\Firebot\\dlls\\firebot.dll\"", "gamedll_linux \"dlls/fa_i386.so\"",
                    "//startmap \"TBD\"", "//trainingmap \"TBD\""}));
    EXPECT_EQ(ModBytes("bot.cfg"),
              Crlf({"# addbot <team> <weapon> <name> <skill>", "pause 2", "", "botskill 1", " ",
                    "\"botdontshoot\"\t\t\"0\"", "\"observer\"\t\t\"0\"", "\"botstamina\"\t\t\"1\"",
                    "\"autojoin\"\t\t\"1\"", "addbot 2 14 NewBot 3"}));
}

// ---------------------------------------------------------------- the bot file

struct TBotFileCase {
    const char* Name;
    const char* Bot;
    const char* Dedicated;
    QByteArray Store;
    QByteArray Expected;   // "<missing>": no file written
};

class FirearmsBotFile : public FirearmsTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(FirearmsBotFile, WritesWhatTheBotProgramReads)
{
    const TBotFileCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    UInit::DedicatedSetting = QString::fromLatin1(c.Dedicated);
    WriteStore(c.Store);
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    const QByteArray got = ModBytes("bot.cfg");
    if (c.Expected.endsWith("...")) {
        EXPECT_TRUE(got.startsWith(c.Expected.chopped(3))) << got.toStdString();
        EXPECT_EQ(got.count("addbot 0 0 NewBot 0"), QByteArray(c.Name).contains("Dedicated") ? 32 : 31);
    } else {
        EXPECT_EQ(got, c.Expected);
    }
}

const QByteArray kPlainHeader = Crlf({"# addbot <team> <weapon> <name> <skill>", "pause 2", "", "botskill 0", " "});

INSTANTIATE_TEST_SUITE_P(
    Cases, FirearmsBotFile,
    ::testing::Values(
        TBotFileCase{"FireBotSettingsBeforeTheBots", "FireBot", "N",
                     "[Default]\r\nspawnbot=1\r\nskill5=4\r\nbotdontshoot=1\r\nobserver=0\r\nbotstamina=Yes\r\n"
                     "[Bot 1]\r\nnom=Alpha\r\nteam=2\r\nweapon=14\r\nskill5=3\r\n",
                     Crlf({"# addbot <team> <weapon> <name> <skill>", "pause 2", "", "botskill 4", " ",
                           "\"botdontshoot\"\t\t\"1\"", "\"observer\"\t\t\"0\"", "\"botstamina\"\t\t\"1\"",
                           "\"autojoin\"\t\t\"1\"", "addbot 2 14 Alpha 3"})},
        TBotFileCase{"OtherBotHasNoSettingsLines", "Plain Bot", "N",
                     "[Default]\r\nspawnbot=1\r\nbotdontshoot=1\r\n[Bot 1]\r\nnom=Alpha\r\nteam=1\r\nweapon=3\r\nskill10=9\r\n",
                     kPlainHeader + Crlf({"addbot 1 3 Alpha 9"})},
        TBotFileCase{"TeamAndWeaponOutOfRangeGoToTheirZero", "Plain Bot", "N",
                     "[Default]\r\nspawnbot=2\r\n[Bot 1]\r\nnom=A\r\nteam=7\r\nweapon=25\r\n"
                     "[Bot 2]\r\nnom=B\r\nteam=x\r\nweapon=-1\r\nskill10=abc\r\n",
                     kPlainHeader + Crlf({"addbot 0 0 A 0", "addbot 0 0 B 0"})},
        TBotFileCase{"ListenServerKeepsASlotForTheHost", "Plain Bot", "N", "[Default]\r\nspawnbot=40\r\n",
                     kPlainHeader + "..."},
        TBotFileCase{"DedicatedServerFillsAll32", "Plain Bot", "O", "[Default]\r\nspawnbot=40\r\n",
                     kPlainHeader + "..."},
        TBotFileCase{"OutsideEditorWritesNoBotFile", "Editor Bot", "N", "[Default]\r\nspawnbot=2\r\n",
                     "<missing>"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- FireBot's skill file

TEST(FirearmsSkillFile, OnlyTheWrittenLayoutWithASkillOf1To5ReadsBack)
{
    struct TCase {
        const char* Line;
        int Row;          // -1: no cell changes
        int Column;
        const char* Value;
    };
    const TCase cases[] = {
        {"REACT_MIN 2 0.25", 0, 1, "0.25"},
        {"AIM_HEAD 5  90 ", 5, 4, "90"},
        {"AIM_Z 1 12.5", 4, 0, "12.5"},
        {"AIM_X 0 3", -1, 0, ""},        // no skill 0
        {"AIM_X 6 3", -1, 0, ""},        // nor 6
        {"AIM_X 9 3", -1, 0, ""},
        {"AIM_Y x 3", -1, 0, ""},        // not a number
        {"AIM_Y", -1, 0, ""},
        {"# REACT_MAX 1 4", -1, 0, ""},  // a comment
    };
    for (const TCase& c : cases) {
        SkillGrid::TCells cells = SkillGrid::EmptyCells(UFirearms::SkillRows, UFirearms::SkillLevels);
        UFirearms::ParseBotSkill({QString::fromLatin1(c.Line)}, cells);
        if (c.Row < 0)
            EXPECT_TRUE(SkillGrid::IsEmpty(cells)) << c.Line;
        else
            EXPECT_EQ(cells[c.Row][c.Column], QString::fromLatin1(c.Value)) << c.Line;
    }

    SkillGrid::TCells full = SkillGrid::EmptyCells(UFirearms::SkillRows, UFirearms::SkillLevels);
    for (int r = 0; r < UFirearms::SkillRows; ++r)
        for (int s = 0; s < UFirearms::SkillLevels; ++s)
            full[r][s] = QString::number(r * 10 + s);
    SkillGrid::TCells back = SkillGrid::EmptyCells(UFirearms::SkillRows, UFirearms::SkillLevels);
    UFirearms::ParseBotSkill(UFirearms::FormatBotSkill(full), back);
    EXPECT_EQ(back, full);
}

TEST_F(FirearmsTest, EmptyGridWritesNoSkillFileAndAMissingFolderIsReported)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    Env.HL.AddFile(QStringLiteral("firearms/mapcycle.txt"), "fa_alamo\r\n");
    {
        auto w = Open();
        w->Modif_Param();
        w->BApplyConf->click();
        EXPECT_TRUE(w->ClosedByButtons());
    }
    EXPECT_FALSE(TModTestEnv::Exists(Env.HL.Path(QStringLiteral("Firebot/firearms/botskill.cfg"))));

    QDir(Env.HL.Path(QStringLiteral("Firebot/firearms"))).removeRecursively();
    auto w = Open();
    w->FA_Skills->item(1, 1)->setText(QStringLiteral("0.1"));
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_TRUE(Env.Dialogs.Texts().join(QLatin1Char('|')).contains(QStringLiteral("FireBot skill table")));
}

// ---------------------------------------------------------------- the window with a damaged store

TEST_F(FirearmsTest, DamagedStoreReadsAsDefaults)
{
    WriteStore("[Default]\r\nnumbot=2\r\nskill5=abc\r\nspawnbot=zz\r\nbotstamina=Yes\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nteam=7\r\nweapon=abc\r\nskill5=x\r\n"
               "[Bot 2]\r\nnom=Bravo\r\nteam=2\r\nweapon=99\r\nskill5=9\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 2);
    EXPECT_EQ(w->defskill->value(), 1);
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("1"));
    EXPECT_TRUE(w->FA_botstamina->isChecked());
    EXPECT_TRUE(w->findChild<QRadioButton*>(QStringLiteral("FA_TeamAuto"))->isChecked());
    EXPECT_EQ(w->FA_botweapon->currentIndex(), 0);
    EXPECT_EQ(w->Botskill->value(), 0);

    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_TRUE(w->findChild<QRadioButton*>(QStringLiteral("FA_TeamBlue"))->isChecked());
    EXPECT_EQ(w->FA_botweapon->currentIndex(), 0);
    EXPECT_EQ(w->Botskill->value(), 5);
    EXPECT_EQ(UFirearms::Logic().State.Modified, 0);
}

TEST_F(FirearmsTest, RandomBotsStayWithinWhatTheControlsShow)
{
    UInit::SelectedBot = QStringLiteral("Plain Bot");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    EXPECT_LT(w->PC->indexOf(w->TS_FA_Skill), 0);
    EXPECT_TRUE(w->FA_botstamina->isHidden());
    for (int i = 0; i < 40; ++i)
        w->SBCreeRandomBot->click();
    for (const TBot& bot : UFirearms::Logic().Bots()) {
        EXPECT_GE(bot[2].toInt(), 1);
        EXPECT_LE(bot[2].toInt(), 10);
        EXPECT_GE(bot[3].toInt(), 0);
        EXPECT_LE(bot[3].toInt(), 2);
        EXPECT_GE(bot[4].toInt(), 0);
        EXPECT_LT(bot[4].toInt(), w->FA_botweapon->count());
    }
}

} // namespace
