// Palisade end to end: from the main window's button through the real window's two pages, Apply
// and Launch, every written file compared byte for byte; no game.cfg or map cycle is ever written,
// and the bot file fills only names and skills.
#include "mods/common/ModTestEnv.h"

#include "mods/common/EditSweep.h"

#include "mods/palisade/UFPalisade.h"
#include "mods/palisade/UPalisade.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kKey = QStringLiteral("Palisade");
const QString kFolder = QStringLiteral("palisade");

const QByteArray kGameCfg = Crlf({"\"mp_timelimit\"\t\t\"25.00000\"", "// the user's own"});

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(kFolder + QStringLiteral("/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(kFolder, QStringLiteral("wall1"));
    env.HL.AddMap(kFolder, QStringLiteral("wall2"));
    env.HL.AddFile(kFolder + QStringLiteral("/game.cfg"), kGameCfg);
}

TEST(PalisadeFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(kKey, kFolder, QString());
    AddTree(env);
    env.HL.AddFile(kFolder + QStringLiteral("/listenserver.cfg"), "mp_timelimit 5\r\nsv_gravity 800\r\n");
    env.Program.AddFile(QStringLiteral("Bots/PA_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
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
        auto* w = qobject_cast<TFPalisade*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Palisade - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Palisade"));
        EXPECT_EQ(w->PC->count(), 2);
        EXPECT_EQ(w->PC->tabText(0), QStringLiteral("Bots"));
        EXPECT_EQ(w->PC->tabText(1), QStringLiteral("Chat"));
        EXPECT_EQ(w->botmodel, nullptr);
        // The skill row stands right under the name, inside the bot editor, with no empty room
        // for a picture between them.
        EXPECT_TRUE(w->GB_BotProp->rect().contains(w->Botskill->geometry()));
        EXPECT_LT(w->Botskill->y() - w->botname->y(), 60);
        w->spawnbot->stepBy(1);
        EXPECT_EQ(UPalisade::Logic().State.Modified, 1);
        w->SBCreeBot->click();
        w->Botskill->setValue(2);
        // A random bot from the empty model list takes the plain model.
        w->SBCreeRandomBot->click();
        EXPECT_EQ(UPalisade::Logic().Bots()[1][1], QStringLiteral("bobby"));
        w->Botskill->setValue(5);
        w->Chatfreq->setValue(30);
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))), kGameCfg);
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("mapcycle.txt"))));
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/PA_Bots.ini")));
    EXPECT_TRUE(store.startsWith(Crlf({"[Default]", "numbot=2", "skill5=1", "spawnbot=2", "chatfreq=30",
                                       "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot",
                                       "modele=bobby", "skill5=2", "[Bot 2]"})))
        << store.constData();
    EXPECT_TRUE(store.endsWith(Crlf({"modele=bobby", "skill5=5"}))) << store.constData();
    const QByteArray randomName = store.mid(store.indexOf("[Bot 2]\r\nnom=") + 13).split('\r').first();
    ASSERT_FALSE(randomName.isEmpty());

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("palisade")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("wall1"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Palisade Beta 1\"", "url_info \"\"", "url_dl \"\"", "version \"1\"",
                    "size \"\"", "svonly \"0\"", "cldll \"1\"", "type \"multiplayer_only\"",
                    "mpentity \"worldspawn\"", "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <name> <skill>", "pause 3", "", "botskill 1", " ", "bot_chat_percent 30",
                    "bot_taunt_percent 20", "bot_whine_percent 10", "addbot NewBot 2"}) +
                  "addbot " + randomName + " 5\r\ndisablebotwaypointmessage\r\n");
    // The launch filters the listen server's settings as every mod's does.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_timelimit 5", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))), kGameCfg);
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("mapcycle.txt"))));
}

class PalisadeTest : public ::testing::Test {
protected:
    PalisadeTest() : Env(kKey, kFolder, QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/PA_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFPalisade> Open()
    {
        QDialog* d = ModTable::Find(kKey)->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFPalisade*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFPalisade>(w);
    }
    TModTestEnv Env;
};

// With no Maps page the start map is the one QOR.ini names, else "wall1".
TEST(PalisadeStartMap, QorIniFirstMapOrWall1)
{
    for (const char* first : {"wall2", ""}) {
        TModTestEnv env(kKey, kFolder, QString());
        AddTree(env);
        env.Program.AddFile(QStringLiteral("Bots/PA_Bots.ini"),
                            "[Default]\r\nnumbot=1\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Guard\r\nskill5=2\r\n");
        if (*first)
            env.Program.AddFile(QStringLiteral("QOR.ini"), QByteArray("[Palisade]\r\nFirst Map=") + first + "\r\n");
        env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
        env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());
        TMain main;
        main.ModButtonClick(kKey);
        main.BotSelector()->setCurrentIndex(main.BotSelector()->findText(QStringLiteral("Akimbot")));
        main.SB_HLClick();
        ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(env.HL.RecordedRuns().front().Args.last(), QString::fromLatin1(*first ? first : "wall1"));
    }
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost.
TEST_F(PalisadeTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nmodele=bobby\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UPalisade::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/PA_Bots.ini"), store);
}

// Only the bot check holds: no map is asked for, and without a bot nothing is saved.
TEST_F(PalisadeTest, ApplyChecksTheBotsOnly)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    Env.Dialogs.Clear();
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_EQ(Env.Dialogs.Texts(), QStringList{QStringLiteral("You must have at least one bot to play.")});
    w->SBCreeBot->click();
    w->BApplyConf->click();
    EXPECT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))), kGameCfg);
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("mapcycle.txt"))));
}

// A "<model>" in a hand-made template is left as written; name and skill are filled in order.
TEST_F(PalisadeTest, BotFileFillsNameAndSkillOnly)
{
    Env.Program.AddFile(QStringLiteral("Mods/Palisade.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Other\r\n[Other]\r\naddbot=add <model> <skill> <name>\r\n");
    UInit::SelectedBot = QStringLiteral("Other");
    WriteStore("[Default]\r\nnumbot=2\r\nskill5=3\r\nspawnbot=3\r\n"
               "[Bot 1]\r\nnom=Guard\r\nmodele=bobby\r\nskill5=4\r\n"
               "[Bot 2]\r\nnom=Archer\r\nskill5=x\r\n");
    QString error;
    ASSERT_TRUE(ModTable::Find(kKey)->Hooks.LaunchWriters(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# add <model> <skill> <name>", "pause 3", "", "botskill 3", " ",
                    "add <model> 4 Guard", "add <model>  Archer", "add <model>  "}));
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam")))
                    .endsWith("mpentity \"worldspawn\"\r\ngamedll \"palisade.dll\"\r\n"));
}

} // namespace
