// Team Fortress Classic: from the main window's button through the real window to the launch,
// the teamplay rules kept in QOR.ini and folded into mp_teamplay, the bot file of each bot
// program, Abot's settings.bot, and the window's own parts (teams and classes, the per-bot
// layout, OddBot's chat files, the map-configuration folder, the settings every edit marks).
#include "mods/common/ModTestEnv.h"

#include "fixtures/NoPermissionOverride.h"

#include "mods/tfc/UFTFC.h"
#include "mods/tfc/UTFC.h"
#include "platform/Jpeg.h"
#include "ui/ModalRunner.h"
#include "ui/NumberEdit.h"
#include "ui/UEditor.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
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
#include <memory>

namespace {

class Tfc : public ::testing::Test {
protected:
    explicit Tfc(const QString& bot = QStringLiteral("HPB Bot"))
        : Env(QStringLiteral("TFC"), QStringLiteral("tfc"), bot)
    {
        Env.HL.AddMap(QStringLiteral("tfc"), QStringLiteral("2fort"));
        Env.HL.AddMap(QStringLiteral("tfc"), QStringLiteral("well"));
        TIniFile::FlushCache();
    }

    std::unique_ptr<TFTFC> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("TFC"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFTFC*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFTFC>(w);
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/TF_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    QByteArray Store() const { return TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/TF_Bots.ini"))); }
    QByteArray QorIni() const { return TModTestEnv::Read(Env.ProgramFile(QStringLiteral("QOR.ini"))); }
    static void Choose(QComboBox* c, int index)
    {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    QString Dialogs() const { return Env.Dialogs.Texts().join(QLatin1Char('|')); }

    TModTestEnv Env;
};

TEST_F(Tfc, FromTheMainWindowThroughApplyAndLaunch)
{
    for (const char* dll : {"abot", "akimbot", "foxbot", "hpb_bot", "oddbot"})
        Env.HL.AddFile(QStringLiteral("tfc/dlls/") + QString::fromLatin1(dll) + QStringLiteral(".dll"), "MZ");
    Env.HL.AddFile(QStringLiteral("tfc/HPB_bot_chat.txt"), "hi %s\r\n");
    Env.HL.AddFile(QStringLiteral("tfc/liblist.gam"), "gamedll_linux \"dlls/old.so\"\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("TFC"));
    QComboBox* bots = main.BotSelector();
    for (const char* bot : {"Abot", "Akimbot", "FoxBot", "HPB Bot", "OddBot"})
        ASSERT_GE(bots->findText(QString::fromLatin1(bot)), 0) << bot;
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool applied = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFTFC*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Team Fortress Classic - HPB Bot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit TFC"));
        w->TF_fraglimit->SetText(QStringLiteral("50"));
        w->TF_respawndelay->SetText(QStringLiteral("5"));
        w->TF_Birthday->click();
        // Body hits from a direct shot at half, armour hits from a blast not at all.
        Choose(w->TeamPlay_2, 1);
        Choose(w->TeamPlay_512, 2);
        w->TF_strafe->setValue(35);
        Choose(w->TF_Reaction_Time, 2);
        // A red medic, and a blue bot of the plain button's random class.
        w->SBCreeBot->click();
        w->botname->setText(QStringLiteral("Doc"));
        emit w->botname->textEdited(w->botname->text());
        w->TF_TeamRed->click();
        Choose(w->botmodel, 4);
        w->Botskill->setValue(3);
        w->SBCreeBot->click();
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("<Random Class>"));
        w->TF_TeamBlue->click();
        w->spawnbot->SetText(QStringLiteral("2"));
        emit w->spawnbot->Edited();
        w->Control<QToolButton>(QStringLiteral("TF_AddAllMaps"))->click();
        w->BApplyConf->click();
        applied = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(applied) << Dialogs().toStdString();

    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamplay\"\t\t\"1027\"", "\"mp_fraglimit\"\t\t\"50.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"tfc_respawndelay\"\t\t\"5.00000\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"tfc_balance_teams\"\t\t\"1\"", "\"tfc_birthday\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"well"}));
    const QByteArray qor = QorIni();
    for (const char* line : {"Teamplay_2=1\r\n", "Teamplay_8=0\r\n", "Teamplay_128=0\r\n", "Teamplay_512=2\r\n"})
        EXPECT_TRUE(qor.contains(line)) << line << qor.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("settings.bot"))));
    const QByteArray store = Store();
    for (const char* line : {"strafe=35\r\n", "reaction_time=2\r\n", "[Bot 1]\r\nnom=Doc\r\nmodele=5\r\nskill5=3\r\n"
                                                                     "team=2\r\ntype=\r\n"})
        EXPECT_TRUE(store.contains(line)) << line << store.toStdString();

    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Dialogs().toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.mid(0, 3),
              (QStringList{QStringLiteral("-console"), QStringLiteral("-game"), QStringLiteral("tfc")}));
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("2fort"));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Team Fortress\"", "url_info \"www.teamfortress.com\"", "url_dl \"\"", "version \"1.5\"",
                    "size \"Largish\"", "svonly \"0\"", "cldll \"0\" ", "type \"multiplayer_only\"",
                    "nomodels \"1\"", "mpentity \"info_tfdetect\"", "gamedll \"dlls\\hpb_bot.dll\"",
                    "gamedll_linux \"dlls/tfc_i386.so\""}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 2", "", "botskill 1", " ",
                    "botdontshoot 0", "bot_strafe_percent 35", "bot_chat_percent 10", "bot_taunt_percent 20",
                    "bot_whine_percent 10", "bot_grenade_time 15", "bot_logo_percent 40", "bot_reaction_time 2",
                    "addbot 2 5 Doc 3", "addbot 1 10 NewBot 0"}));
}

// ---------------------------------------------------------------- the teamplay rules

struct TTeamplayCase {
    const char* Name;
    int Body, BodyBlast, Armor, ArmorBlast;   // 0 Full, 1 Half, 2 None
    const char* Sum;
};

class TfcTeamplay : public Tfc, public ::testing::WithParamInterface<TTeamplayCase> {};

TEST_P(TfcTeamplay, TheRulesAreOneBitSumInGameCfgAndComeBackFromQorIni)
{
    const TTeamplayCase& c = GetParam();
    Env.HL.AddFile(QStringLiteral("tfc/mapcycle.txt"), "well\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    {
        auto w = Open();
        Choose(w->TeamPlay_2, c.Body);
        Choose(w->TeamPlay_8, c.BodyBlast);
        Choose(w->TeamPlay_128, c.Armor);
        Choose(w->TeamPlay_512, c.ArmorBlast);
        w->BApplyConf->click();
        ASSERT_TRUE(w->ClosedByButtons()) << Dialogs().toStdString();
    }
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")))
                    .startsWith("\"mp_teamplay\"\t\t\"" + QByteArray(c.Sum) + "\"\r\n"));
    auto w = Open();
    EXPECT_EQ(w->TeamPlay_2->currentIndex(), c.Body);
    EXPECT_EQ(w->TeamPlay_8->currentIndex(), c.BodyBlast);
    EXPECT_EQ(w->TeamPlay_128->currentIndex(), c.Armor);
    EXPECT_EQ(w->TeamPlay_512->currentIndex(), c.ArmorBlast);
}

INSTANTIATE_TEST_SUITE_P(Rules, TfcTeamplay,
                         ::testing::Values(TTeamplayCase{"AllFull", 0, 0, 0, 0, "1"},
                                           TTeamplayCase{"BodyShotHalf", 1, 0, 0, 0, "3"},
                                           TTeamplayCase{"ArmorBlastNone", 0, 0, 0, 2, "1025"},
                                           TTeamplayCase{"AllHalf", 1, 1, 1, 1, "651"},
                                           TTeamplayCase{"AllNone", 2, 2, 2, 2, "1301"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Tfc, GameCfgTeamplayIsIgnoredAndBadStoredRulesReadAsFull)
{
    Env.HL.AddFile(QStringLiteral("tfc/game.cfg"), "\"mp_teamplay\"\t\t\"651\"\r\n\"tfc_birthday\"\t\t\"1\"\r\n");
    Env.HL.AddFile(QStringLiteral("tfc/mapcycle.txt"), "well\r\n");
    Env.Program.AddFile(QStringLiteral("QOR.ini"), "[TFC]\r\nTeamplay_8=x\r\nTeamplay_128=3\r\nTeamplay_512=2\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    TIniFile::FlushCache();
    auto w = Open();
    EXPECT_TRUE(w->TF_Birthday->isChecked());
    EXPECT_EQ(w->TeamPlay_2->currentIndex(), 0);
    EXPECT_EQ(w->TeamPlay_8->currentIndex(), 0);
    EXPECT_EQ(w->TeamPlay_128->currentIndex(), 0);
    EXPECT_EQ(w->TeamPlay_512->currentIndex(), 2);
    EXPECT_TRUE(Env.Dialogs.Texts().isEmpty()) << Dialogs().toStdString();

    // Restore Default sets every rule to Full and leaves QOR.ini alone until the next save.
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->TeamPlay_512->currentIndex(), 0);
    EXPECT_TRUE(QorIni().contains("Teamplay_512=2\r\n"));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Dialogs().toStdString();
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))).startsWith("\"mp_teamplay\"\t\t\"1\"\r\n"));
    EXPECT_TRUE(QorIni().contains("Teamplay_512=0\r\n"));
}

TEST_F(Tfc, ADamagedStoreReadsDefaultsAndAnUnwritableQorIniKeepsTheWindowOpen)
{
    Env.HL.AddFile(QStringLiteral("tfc/mapcycle.txt"), "well\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nstrafe=abc\r\ngrenade=99\r\nlogo=-5\r\nreaction_time=x\r\n"
               "spawnbot=zz\r\n[Bot 1]\r\nnom=A\r\nskill5=high\r\n");
    const QString qor = Env.Program.AddFile(QStringLiteral("QOR.ini"), "[TFC]\r\nTeamplay_2=1\r\n");
    auto w = Open();
    EXPECT_EQ(w->TF_strafe->value(), 20);
    EXPECT_EQ(w->TF_grenade->value(), 60);
    EXPECT_EQ(w->TF_logo->value(), 0);
    EXPECT_EQ(w->TF_Reaction_Time->currentIndex(), 0);
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("1"));
    EXPECT_EQ(w->Botskill->value(), 0);

    NoPermissionOverride guard;
    if (!guard.Active())
        GTEST_SKIP() << "file permissions are not enforced here";
    QFile::setPermissions(qor, QFileDevice::ReadOwner);
    Choose(w->TeamPlay_8, 2);
    w->BApplyConf->click();
    QFile::setPermissions(qor, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(w->ClosedByButtons());
    ASSERT_FALSE(Env.Dialogs.Texts().isEmpty());
    EXPECT_TRUE(Env.Dialogs.Texts().last().contains(QStringLiteral("QOR.ini"))) << Dialogs().toStdString();
    EXPECT_EQ(QorIni(), QByteArray("[TFC]\r\nTeamplay_2=1\r\n"));
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

// ---------------------------------------------------------------- the bot file

struct TBotFileCase {
    const char* Bot;
    const char* Default;   // the store's [Default] keys, after spawnbot=2 and skill5=4
    const char* Lines;     // the whole file, lines split at "|"
};

class TfcBotFile : public Tfc, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(TfcBotFile, EachBotProgramGetsItsOwnLines)
{
    const TBotFileCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    Env.Program.AddFile(QStringLiteral("Mods/TFC.ini"),
                        "[" + QByteArray(c.Bot) + "]\r\nbotfile=bot.cfg\r\naddbot=addbot <team> <model> <name> <skill> <chat>\r\n");
    // The second bot has no section: only its name has a default.
    WriteStore("[Default]\r\nspawnbot=2\r\nskill5=4\r\n" + QByteArray(c.Default) +
               "[Bot 1]\r\nnom=Zed\r\nteam=2\r\nmodele=9\r\nskill5=3\r\n");
    QString error;
    ASSERT_TRUE(UTFC::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray(c.Lines).replace('|', "\r\n") + "\r\n");
}

#define SKELETON "# addbot <team> <model> <name> <skill> <chat>|pause 2||botskill 4| |"
INSTANTIATE_TEST_SUITE_P(
    Bots, TfcBotFile,
    ::testing::Values(
        TBotFileCase{"Abot", "chatfreq=30\r\n", "addbot 2 9 Zed 3 30|addbot   NewBot  30"},
        TBotFileCase{"Akimbot", "botdontshoot=1\r\nchatfreq=5\r\nchatfreq_kill=6\r\nchatfreq_died=7\r\n",
                     SKELETON "botdontshoot 1|bot_chat_percent 5|bot_taunt_percent 6|bot_whine_percent 7|"
                              "addbot 2 9 Zed 3 5|addbot   NewBot  5|disablebotwaypointmessage"},
        TBotFileCase{"FoxBot", "botchat=1\r\n", SKELETON "\"bot_chat\" \"on\"|addbot 2 9 Zed 3 |addbot   NewBot  "},
        TBotFileCase{"HPB Bot",
                     "botdontshoot=1\r\nstrafe=abc\r\ngrenade=5\r\nlogo=0\r\nreaction_time=3\r\nchatfreq=1\r\n"
                     "chatfreq_kill=2\r\nchatfreq_died=3\r\n",
                     SKELETON "botdontshoot 1|bot_strafe_percent 20|bot_chat_percent 1|bot_taunt_percent 2|"
                              "bot_whine_percent 3|bot_grenade_time 5|bot_logo_percent 0|bot_reaction_time 3|"
                              "addbot 2 9 Zed 3 1|addbot   NewBot  1"},
        TBotFileCase{"OddBot", "botdontshoot=1\r\nteam_even=1\r\nchatfreq=30\r\n",
                     SKELETON "bot_shoot off|bot_balance on|bot_chat 30|bot_exec_default 0|addbot 2 9 Zed 3 30|"
                              "addbot   NewBot  30"}),
    [](const auto& info) {
        std::string name = info.param.Bot;
        name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
        return name;
    });
#undef SKELETON

TEST_F(Tfc, ABotEditorWritesNoBotFileAndAListenServerGetsAtMost31Bots)
{
    QString error;
    Env.Program.AddFile(QStringLiteral("Mods/TFC.ini"),
                        "[HPB Bot]\r\naddbot=addbot <name>\r\n[Editor Bot]\r\nBotEditor=edit.exe\r\naddbot=addbot <name>\r\n");
    WriteStore("[Default]\r\nspawnbot=32\r\n");
    UInit::SelectedBot = QStringLiteral("Editor Bot");
    ASSERT_TRUE(UTFC::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("bot.cfg"))));
    UInit::SelectedBot = QStringLiteral("HPB Bot");
    ASSERT_TRUE(UTFC::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))).count("addbot NewBot\r\n"), 31);
}

class TfcAbot : public Tfc {
protected:
    TfcAbot() : Tfc(QStringLiteral("Abot")) {}
};

TEST_F(TfcAbot, SettingsBotIsWrittenWhenTheSettingsAreSaved)
{
    Env.HL.AddFile(QStringLiteral("tfc/mapcycle.txt"), "well\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nskill5=2\r\nchatfreq=25\r\n[Bot 1]\r\nnom=A\r\n");
    auto w = Open();
    EXPECT_FALSE(w->GB_Options->isHidden());
    EXPECT_EQ(w->GB_Options->title(), QStringLiteral("Abot options"));
    EXPECT_FALSE(w->TF_Bottarget->isHidden());
    EXPECT_TRUE(w->TF_strafe->isHidden());
    w->TF_Bottarget->click();
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Dialogs().toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("settings.bot"))),
              Crlf({"bots shoot-on", "bots target-off", "bots skill-2", "bots chat-25", "bots addfrom-default",
                    "end"}));
    EXPECT_TRUE(Store().contains("bottarget=1\r\n")) << Store().toStdString();
    // bottarget belongs to the store; game.cfg never carries it.
    EXPECT_FALSE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))).contains("bottarget"));
}

// ---------------------------------------------------------------- the window

TEST_F(Tfc, StoredTeamsAndClassesReadAsTheyShouldAndSurviveASave)
{
    Env.HL.AddFile(QStringLiteral("tfc/mapcycle.txt"), "well\r\n");
    WriteStore("[Default]\r\nnumbot=3\r\n"
               "[Bot 1]\r\nnom=A\r\nteam=0\r\nmodele=10\r\ntype=keep me\r\n"
               "[Bot 2]\r\nnom=B\r\nteam=7\r\nmodele=11\r\n"
               "[Bot 3]\r\nnom=C\r\nteam=x\r\nmodele=x\r\nskill5=9\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 3);
    EXPECT_TRUE(w->TF_TeamAuto->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("<Random Class>"));
    // The picture of an Auto bot of a random class, not the stand-in of a missing one.
    const QImage picture = Pictures::LoadPicture(Env.ProgramFile(QStringLiteral("models/tfc/0_10.jpg")));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(w->BotPic->pixmap().toImage(), QPixmap::fromImage(picture).toImage());
    for (int row : {1, 2}) {
        // Outside the lists: Auto and the first class.
        w->ListBot->setCurrentRow(row);
        w->ListBotClick();
        EXPECT_TRUE(w->TF_TeamAuto->isChecked()) << row;
        EXPECT_FALSE(w->TF_TeamRed->isChecked()) << row;
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Scout")) << row;
    }
    EXPECT_EQ(w->Botskill->value(), 5);
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Dialogs().toStdString();
    const QByteArray store = Store();
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=A\r\nteam=0\r\nmodele=10\r\ntype=keep me\r\n")) << store.toStdString();
    EXPECT_TRUE(store.contains("[Bot 3]\r\nnom=C\r\nteam=0\r\nmodele=1\r\nskill5=5\r\n")) << store.toStdString();
}

TEST_F(Tfc, EachBotProgramShowsItsOwnControls)
{
    struct TCase {
        const char* Bot;
        const char* Options;   // GB_Options' caption, "" hidden
        std::vector<const char*> Shown;
        std::vector<const char*> Hidden;
    };
    const TCase cases[] = {
        {"Abot", "Abot options", {"TF_Bottarget"}, {"TF_strafe", "TF_Chatfreq", "TF_botchat", "TF_Selectchat"}},
        {"Akimbot", "", {"TF_Chatfreq", "TF_chatfreq_kill", "TF_Chatfreq_died"}, {"TF_botchat", "TF_Selectchat"}},
        {"FoxBot", "", {"TF_botchat"}, {"TF_Chatfreq", "TF_Selectchat"}},
        {"HPB Bot", "HPB_Bot options",
         {"TF_strafe", "TF_grenade", "TF_logo", "TF_Reaction_Time", "Lab_reaction", "TF_Chatfreq", "TF_chatfreq_kill",
          "TF_Chatfreq_died"},
         {"TF_Bottarget", "TF_botchat", "TF_Selectchat"}},
        {"OddBot", "", {"TF_Chatfreq", "Lab_chatfreq", "TF_Selectchat", "Lab_SelectChat"},
         {"TF_chatfreq_kill", "TF_botchat", "TF_strafe"}},
    };
    for (const TCase& c : cases) {
        UInit::SelectedBot = QString::fromLatin1(c.Bot);
        auto w = Open();
        // Hidden within a shown group is still hidden: look at the control's own flag.
        EXPECT_EQ(w->GB_Options->isHidden(), !*c.Options) << c.Bot;
        if (*c.Options)
            EXPECT_EQ(w->GB_Options->title(), QString::fromLatin1(c.Options)) << c.Bot;
        for (const char* name : c.Shown)
            EXPECT_FALSE(w->ControlWidget(QString::fromLatin1(name))->isHidden()) << c.Bot << " " << name;
        for (const char* name : c.Hidden)
            EXPECT_TRUE(w->ControlWidget(QString::fromLatin1(name))->isHidden()) << c.Bot << " " << name;
        EXPECT_EQ(w->Control<QLabel>(QStringLiteral("Label84"))->text(),
                  QStringLiteral("Available maps for ") + QString::fromLatin1(c.Bot));
        // Abot keeps no chat file: its Chat page is not offered.
        EXPECT_EQ(w->PC->indexOf(w->TS_Chat) < 0, QByteArray(c.Bot) == "Abot") << c.Bot;
    }
}

TEST_F(Tfc, EveryEditMarksTheSettingsModifiedAndTypingDoesNotChangeARule)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    auto w = Open();
    TModLogic& logic = UTFC::Logic();
    auto marks = [&](const char* what, const std::function<void()>& edit) {
        logic.State.Modified = 0;
        edit();
        EXPECT_EQ(logic.State.Modified, 1) << what;
    };
    marks("frag limit", [&] { w->TF_fraglimit->stepBy(1); });
    marks("respawn delay", [&] { w->TF_respawndelay->stepBy(1); });
    marks("teamplay rule", [&] { Choose(w->TeamPlay_128, 1); });
    marks("balance", [&] { w->TF_Balance->click(); });
    marks("don't shoot", [&] { w->TF_Botshoot->click(); });
    marks("strafe", [&] { w->TF_strafe->setValue(60); });
    marks("grenade", [&] { w->TF_grenade->setValue(30); });
    marks("logo", [&] { w->TF_logo->setValue(70); });
    marks("reaction time", [&] { Choose(w->TF_Reaction_Time, 3); });
    marks("team", [&] { w->TF_TeamBlue->click(); });
    marks("chat", [&] { w->Chatfreq_died->setValue(55); });

    TModTestEnv::Type(w->TeamPlay_8, QStringLiteral("n"));
    EXPECT_EQ(w->TeamPlay_8->currentIndex(), 0);
}

class TfcOddBot : public Tfc {
protected:
    TfcOddBot() : Tfc(QStringLiteral("OddBot")) {}
};

TEST_F(TfcOddBot, ChatChooserShowsTheLoadedFileAndChoosingMarksNothing)
{
    // The bot section names another of the three files than the first: that one is shown.
    Env.Program.AddFile(QStringLiteral("Mods/TFC.ini"),
                        "[OddBot]\r\ndll=dlls\\oddbot.dll\r\nchatfile=odd_victory.txt\r\n");
    const QString victory = Env.HL.AddFile(QStringLiteral("tfc/odd_victory.txt"), "gg\r\n");
    Env.HL.AddFile(QStringLiteral("tfc/odd_loss.txt"), "unlucky\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    auto w = Open();
    EXPECT_EQ(w->Selectchat->currentText(), QStringLiteral("odd_victory.txt"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("gg"));
    EXPECT_EQ(w->Label75->text(), QStringLiteral("%s  can be used to insert the player's name."));

    w->chatkill->setPlainText(QStringLiteral("gg\nwp"));
    UTFC::Logic().State.Modified = 0;
    Choose(w->Selectchat, w->Selectchat->findText(QStringLiteral("odd_loss.txt")));
    EXPECT_EQ(UTFC::Logic().State.Modified, 0);
    EXPECT_EQ(TModTestEnv::Read(victory), QByteArray("gg\r\nwp\r\n"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("unlucky"));
}

TEST_F(Tfc, EditConfigOpensTheFileInTheBotsMapConfigurationFolder)
{
    struct TCase {
        const char* CfgPath;   // the bot section's cfgpath ("" none)
        const char* File;      // where the map's file lies, below the Half-Life folder
    };
    for (const TCase& c : {TCase{"\\tfc\\botcfg", "tfc/botcfg/well.cfg"}, TCase{"", "tfc/maps/well.cfg"}}) {
        Env.Program.AddFile(QStringLiteral("Mods/TFC.ini"), "[HPB Bot]\r\nconfig=.cfg\r\ncfgpath=" +
                                                                QByteArray(c.CfgPath) + "\r\n");
        Env.HL.AddFile(QString::fromLatin1(c.File), "mp_timelimit 5\r\n");
        WriteStore("[Default]\r\nnumbot=0\r\n");
        auto w = Open();
        ASSERT_FALSE(w->BEditCfg->isHidden()) << c.File;
        const QList<QListWidgetItem*> well = w->MapDispo->findItems(QStringLiteral("well"), Qt::MatchStartsWith);
        ASSERT_EQ(well.size(), 1) << c.File;
        EXPECT_TRUE(well.front()->text().contains(QLatin1Char('+'))) << c.File;

        QString opened;
        ModalRunner::Set([&opened](QDialog& d) {
            if (auto* editor = qobject_cast<TEditor*>(&d))
                opened = editor->FilePath();
            return 0;
        });
        w->MapDispo->setCurrentItem(well.front(), QItemSelectionModel::ClearAndSelect);
        w->BEditCfg->click();
        ModalRunner::Set({});
        EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(opened)).toLower(),
                  Env.HL.Path(QString::fromLatin1(c.File)).toLower());
        QFile::remove(Env.HL.Path(QString::fromLatin1(c.File)));
    }
}

TEST_F(Tfc, RandomBotsStayWithinTheClassesTeamsAndSkills)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    for (int i = 0; i < 40; ++i)
        w->SBCreeRandomBot->click();
    for (const TBot& bot : UTFC::Logic().Bots()) {
        EXPECT_GE(bot[1].toInt(), 1);
        EXPECT_LE(bot[1].toInt(), 10);
        EXPECT_GE(bot[2].toInt(), 0);
        EXPECT_LE(bot[2].toInt(), 5);
        EXPECT_GE(bot[3].toInt(), 0);
        EXPECT_LE(bot[3].toInt(), 2);
    }
}

} // namespace
