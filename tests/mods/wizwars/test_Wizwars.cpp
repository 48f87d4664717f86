// Wizard Wars end to end: from the main window's button through the real window's controls,
// Apply and Launch, every written file compared byte for byte; then the bot file's translations,
// the team and class of stored bots and the damaged stores that matter for this mod.
#include "mods/common/ModTestEnv.h"

#include "mods/common/EditSweep.h"

#include "mods/wizwars/UFWizwars.h"
#include "mods/wizwars/UWizwars.h"
#include "platform/Jpeg.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

const QString kKey = QStringLiteral("Wizwars");
const QString kFolder = QStringLiteral("wizwars");

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(kFolder + QStringLiteral("/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(kFolder, QStringLiteral("ww_2fort"));
    env.HL.AddMap(kFolder, QStringLiteral("ww_castle"));
}

const QByteArray kLiblist = Crlf({
    "// Wizard Wars liblist.gam", "// Wizard Wars (c) 2001 the Wizard Wars team",
    "// Wizard Wars is a mod by the Wizard Wars team", "", "game \"Wizard Wars\"",
    "url_info \"www.wizardwars.net\"", "url_dl \"\" // Downloading URL",
    "version \"1.05\" // version of mod", "size \"23000000\" // size of mod",
    "svonly \"0\" // server side only mod? (1=yes 0=no)", "cldll \"1\" // client side dll? (1=yes 0=no)",
    "hlversion \"1101\" // version of halflife", "type \"multiplayer_only\"",
    "nomodels \"1\" // game selects player model (1=yes 0=no)",
    "mpentity \"info_player_start\" // name of multiplayer spawn entity",
    "gamedll \"dlls\\akimbot.dll\" // file and location of dll"});

TEST(WizwarsFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(kKey, kFolder, QString());
    AddTree(env);
    env.Program.AddFile(QStringLiteral("Bots/WZ_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
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
    ASSERT_EQ(bots->itemText(0), QStringLiteral("Akimbot"));
    bots->setCurrentIndex(bots->findText(QStringLiteral("Akimbot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFWizwars*>(&dialog);
        if (!w)
            return dialog.exec();
        EXPECT_EQ(w->pos(), main.pos() + QPoint(4, 22));
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Wizard Wars - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Wizwars"));
        EXPECT_EQ(w->PC->count(), 4);
        EXPECT_EQ(w->botmodel->count(), 9);
        EXPECT_EQ(w->spawnbot->Maximum(), 32);
        // The chat memo is a setting like the others.
        TModTestEnv::Type(w->chatkill, QStringLiteral("gg %n"));
        EXPECT_EQ(UWizwars::Logic().State.Modified, 1);
        w->WZ_timelimit->SetText(QStringLiteral("30"));
        w->WZ_fraglimit->SetText(QStringLiteral("50"));
        w->WZ_coop->click();
        w->WZ_combochaos->click();
        w->spawnbot->stepBy(1);
        w->SBCreeBot->click();
        EXPECT_TRUE(w->WZ_TeamAuto->isChecked());
        w->WZ_TeamBlue->click();
        w->SBCreeBot->click();
        EXPECT_TRUE(w->WZ_TeamAuto->isChecked());   // the new bot's radios, not the last bot's
        w->Botskill->setValue(3);
        w->botmodel->setCurrentIndex(8);
        emit w->botmodel->activated(8);            // Dracomancer
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_fraglimit\"\t\t\"50.00000\"", "\"mp_timelimit\"\t\t\"30.00000\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_allowdmthorns\"\t\t\"1\"",
                    "\"mp_coop\"\t\t\"1\"", "\"mp_combochaos\"\t\t\"0\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"ww_castle"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("akimbot_chat.txt"))), Crlf({"gg %n"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/WZ_Bots.ini"))),
              Crlf({"[Default]", "numbot=2", "skill5=1", "spawnbot=2", "chatfreq=10",
                    "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot", "modele=1",
                    "skill5=0", "team=1", "type=", "[Bot 2]", "nom=NewBot", "modele=9", "skill5=3",
                    "team=0", "type="}));

    // The listen server's own settings may not undo the mod's.
    env.HL.AddFile(kFolder + QStringLiteral("/listenserver.cfg"),
                   Crlf({"mp_allowdmthorns 0", "mp_coop 1", "mp_combochaos 0", "sv_gravity 800"}));
    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("wizwars")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("ww_2fort"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_allowdmthorns 0", "//mp_coop 1", "//mp_combochaos 0", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))), kLiblist);
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 2", "", "botskill 1", " ",
                    "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot 1 1 NewBot 0", "addbot 5 10 NewBot 3", "disablebotwaypointmessage"}));
}

class WizwarsTest : public ::testing::Test {
protected:
    WizwarsTest() : Env(kKey, kFolder, QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/WZ_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFWizwars> Open()
    {
        QDialog* d = ModTable::Find(kKey)->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFWizwars*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFWizwars>(w);
    }
    QByteArray Launch()
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(kKey)->Hooks.LaunchWriters(error)) << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    }
    TModTestEnv Env;
};

// The picture the bot editor shows for a picture file of the program folder.
QImage Shown(const TModTestEnv& env, const QString& file)
{
    return QPixmap::fromImage(Pictures::LoadPicture(env.ProgramFile(QStringLiteral("models/") + file))).toImage();
}

struct TBotLineCase {
    const char* Name;
    const char* Bot;       // the [Bot 1] lines
    const char* Expected;  // the bot's line
};

void PrintTo(const TBotLineCase& c, std::ostream* os) { *os << c.Name; }

class WizwarsBotLine : public WizwarsTest, public ::testing::WithParamInterface<TBotLineCase> {};

TEST_P(WizwarsBotLine, TranslatesTeamAndClass)
{
    WriteStore(QByteArray("[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n[Bot 1]\r\n") + GetParam().Bot);
    const QByteArray head = Crlf({"# addbot <team> <model> <name> <skill>", "pause 2", "", "botskill 2", " ",
                                  "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10"});
    EXPECT_EQ(Launch(), head + Crlf({GetParam().Expected, "disablebotwaypointmessage"}));
}

INSTANTIATE_TEST_SUITE_P(
    Bots, WizwarsBotLine,
    ::testing::Values(
        TBotLineCase{"AutoDracomancer", "nom=Merlin\r\nteam=0\r\nmodele=9\r\nskill5=1\r\n", "addbot 5 10 Merlin 1"},
        TBotLineCase{"BlueHealer", "nom=Ann\r\nteam=1\r\nmodele=1\r\nskill5=4\r\n", "addbot 1 1 Ann 4"},
        TBotLineCase{"RedNecromancer", "nom=Bob\r\nteam=2\r\nmodele=6\r\nskill5=0\r\n", "addbot 2 6 Bob 0"},
        // What the store lacks: Auto, the first class (as the window reads it), the plain name,
        // no skill.
        TBotLineCase{"MissingKeys", "type=x\r\n", "addbot 5 1 NewBot "},
        // A hand-edited store: no radio's team is Auto, no class the first, letters no skill.
        TBotLineCase{"DamagedValues", "nom=Eve\r\nteam=7\r\nmodele=wizard\r\nskill5=high\r\n",
                     "addbot 5 1 Eve "},
        TBotLineCase{"ClassOutsideTheList", "nom=Eve\r\nteam=abc\r\nmodele=12\r\nskill5=3\r\n",
                     "addbot 5 1 Eve 3"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A listen server keeps the host's slot: 32 bots asked give 31 lines; a dedicated server 32.
TEST_F(WizwarsTest, AtMostThirtyOneBotsOnAListenServer)
{
    WriteStore("[Default]\r\nnumbot=0\r\nskill5=1\r\nspawnbot=32\r\n");
    EXPECT_EQ(Launch().count("addbot 5 1 NewBot \r\n"), 31);
    UInit::DedicatedSetting = QStringLiteral("O");
    EXPECT_EQ(Launch().count("addbot 5 1 NewBot \r\n"), 32);
}

// Stored bots show their team and class; one outside the radios or the list reads as Auto or
// the first class, and the mod's own slot is written back as it was read.
TEST_F(WizwarsTest, StoredBotsShowTeamAndClassAndKeepTheirType)
{
    WriteStore("[Default]\r\nnumbot=3\r\nskill5=2\r\nspawnbot=3\r\n"
               "[Bot 1]\r\nnom=Red\r\nmodele=5\r\nskill5=1\r\nteam=2\r\ntype=keep me\r\n"
               "[Bot 2]\r\nnom=Odd\r\nmodele=0\r\nskill5=9\r\nteam=9\r\n"
               "[Bot 3]\r\nnom=Blue\r\nmodele=3\r\nskill5=2\r\nteam=1\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/mapcycle.txt"), "ww_castle\r\n");
    auto w = Open();
    EXPECT_TRUE(w->WZ_TeamRed->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Voltamancer"));
    // The class's own picture, named by its number.
    EXPECT_EQ(w->BotPic->pixmap().toImage(), Shown(Env, QStringLiteral("Wizwars/5.jpg")));
    EXPECT_NE(Shown(Env, QStringLiteral("Wizwars/5.jpg")), Shown(Env, QStringLiteral("nopic.jpg")));
    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_TRUE(w->WZ_TeamAuto->isChecked());
    EXPECT_FALSE(w->WZ_TeamRed->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Healer"));
    EXPECT_EQ(w->Botskill->value(), 5);
    w->ListBot->setCurrentRow(2);
    w->ListBotClick();
    EXPECT_TRUE(w->WZ_TeamBlue->isChecked());
    EXPECT_EQ(UWizwars::Logic().State.Modified, 0);
    w->WZ_TeamRed->click();
    EXPECT_EQ(UWizwars::Logic().Bots()[2][3], QStringLiteral("2"));
    EXPECT_EQ(UWizwars::Logic().State.Modified, 1);

    // Random bots: a class of the list, a team of the radios, a skill the slider shows.
    for (int k = 0; k < 30; ++k)
        w->SBCreeRandomBot->click();
    const QVector<TBot>& bots = UWizwars::Logic().Bots();
    for (int i = 3; i < bots.size(); ++i) {
        EXPECT_GE(bots[i][1].toInt(), 1);
        EXPECT_LE(bots[i][1].toInt(), 9);
        EXPECT_GE(bots[i][2].toInt(), 1);
        EXPECT_LE(bots[i][2].toInt(), 5);
        EXPECT_GE(bots[i][3].toInt(), 0);
        EXPECT_LE(bots[i][3].toInt(), 2);
    }
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray store = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/WZ_Bots.ini")));
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=Red\r\nmodele=5\r\nskill5=1\r\nteam=2\r\ntype=keep me\r\n"))
        << store.constData();
    EXPECT_TRUE(store.contains("[Bot 2]\r\nnom=Odd\r\nmodele=1\r\nskill5=5\r\nteam=0\r\n")) << store.constData();
}

// A random bot's skill is one its slider can show, whatever the bounds the mod's window draws.
TEST_F(WizwarsTest, RandomSkillsStayWithinTheSlider)
{
    Env.Program.AddFile(QStringLiteral("Mods/Wizwars.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nmaxskill=3\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    Env.Dialogs.Clear();
    ASSERT_EQ(w->Botskill->maximum(), 3);
    for (int k = 0; k < 40; ++k)
        w->SBCreeRandomBot->click();
    for (const TBot& bot : UWizwars::Logic().Bots()) {
        EXPECT_GE(bot[2].toInt(), 1);
        EXPECT_LE(bot[2].toInt(), 3);
    }
}

// A bot counting its skill from the worst swaps the end captions and leaves both sliders without
// marks; without a chat file there is no Chat page.
TEST_F(WizwarsTest, WorstFirstSkillsAndNoChatFile)
{
    Env.Program.AddFile(QStringLiteral("Mods/Wizwars.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nskill0=worst\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    EXPECT_EQ(w->PC->count(), 3);
    for (const char* name : {"Label13", "Label1"})
        EXPECT_EQ(w->findChild<QLabel*>(QLatin1String(name))->text(), QStringLiteral("Bad")) << name;
    for (const char* name : {"Label15", "Label67"})
        EXPECT_EQ(w->findChild<QLabel*>(QLatin1String(name))->text(), QStringLiteral("Good")) << name;
    EXPECT_EQ(w->defskill->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(w->Botskill->tickPosition(), QSlider::NoTicks);
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost.
TEST_F(WizwarsTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nmodele=3\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UWizwars::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/WZ_Bots.ini"), store);
}

// Restore Default empties the map cycle and resets the switches.
TEST_F(WizwarsTest, RestoreDefaultEmptiesTheCycle)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/mapcycle.txt"), "ww_castle\r\nww_2fort\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/game.cfg"),
                   Crlf({"\"mp_coop\"\t\t\"1\"", "\"mp_allowdmthorns\"\t\t\"0\"", "\"mp_timelimit\"\t\t\"45.00000\""}));
    auto w = Open();
    EXPECT_EQ(w->MapCycle->count(), 2);
    EXPECT_TRUE(w->WZ_coop->isChecked());
    EXPECT_FALSE(w->WZ_allowdmthorns->isChecked());
    EXPECT_EQ(w->WZ_timelimit->Text(), QStringLiteral("45"));
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->MapCycle->count(), 0);
    EXPECT_FALSE(w->WZ_coop->isChecked());
    EXPECT_TRUE(w->WZ_allowdmthorns->isChecked());
    EXPECT_EQ(w->WZ_timelimit->Text(), QStringLiteral("0"));
}

} // namespace
