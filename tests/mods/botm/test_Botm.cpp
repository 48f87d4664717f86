// Battle of the Millennium end to end: from the main window's button through the real window's
// controls, Apply and Launch, every written file compared byte for byte; then the bot file's
// variations, the character chooser and the damaged stores that matter for this mod.
#include "mods/common/ModTestEnv.h"

#include "mods/common/EditSweep.h"

#include "mods/botm/UBotm.h"
#include "mods/botm/UFBotm.h"
#include "platform/Jpeg.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kKey = QStringLiteral("Botm");
const QString kFolder = QStringLiteral("botm");

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(kFolder + QStringLiteral("/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(kFolder, QStringLiteral("botm_asteroid"));
    env.HL.AddMap(kFolder, QStringLiteral("botm_city"));
}

TEST(BotmFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(kKey, kFolder, QString());
    AddTree(env);
    // Rates kept from an earlier version of the store: no slider shows them, yet they are kept.
    env.Program.AddFile(QStringLiteral("Bots/BO_Bots.ini"),
                        "[Default]\r\nnumbot=0\r\nChatfreq=40\r\nChatfreq_kill=5\r\nChatfreq_died=0\r\n");
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
        auto* w = qobject_cast<TFBotm*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Battle of the Millenium - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit BotM"));
        EXPECT_EQ(w->PC->count(), 4);
        EXPECT_TRUE(w->Chatfreq->isHidden());
        EXPECT_TRUE(w->Lab_chatfreq->isHidden());
        EXPECT_EQ(w->botmodel->count(), 7);
        EXPECT_EQ(w->botmodel->itemText(6), QStringLiteral("< Random >"));
        EXPECT_EQ(w->spawnbot->Maximum(), 9);
        w->BO_timelimit->SetText(QStringLiteral("20"));
        w->BO_fraglimit->SetText(QStringLiteral("25"));
        w->BO_friendlyfire->click();
        EXPECT_EQ(UBotm::Logic().State.Modified, 1);
        w->BO_autocrosshair->click();
        w->spawnbot->stepBy(1);
        w->SBCreeBot->click();
        w->SBCreeBot->click();
        w->Botskill->setValue(4);
        w->SpeedButton13->click();   // the second bot takes the second character
        w->AddAllMapClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_fraglimit\"\t\t\"25.00000\"",
                    "\"mp_timelimit\"\t\t\"20.00000\"", "\"mp_teamplay\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"botm_city"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/BO_Bots.ini"))),
              Crlf({"[Default]", "numbot=2", "Chatfreq=40", "Chatfreq_kill=5", "Chatfreq_died=0",
                    "skill5=1", "spawnbot=2", "[Bot 1]", "nom=NewBot", "modele=1", "skill5=1",
                    "[Bot 2]", "nom=NewBot", "modele=2", "skill5=4"}));

    // The listen server's own settings may not undo the mod's.
    env.HL.AddFile(kFolder + QStringLiteral("/listenserver.cfg"),
                   Crlf({"mp_teamplay 1", "mp_weaponstay 1", "mp_teamlist \"a;b\"", "sv_gravity 800"}));
    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("botm")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("botm_asteroid"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_teamplay 1", "//mp_weaponstay 1", "//mp_teamlist \"a;b\"", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Battle of the Millennium\" // Game title",
                    "url_info \"www.botm.net\" // Info URL",
                    "url_dl \"\" // Downloading URL",
                    "version \"Beta 3.0\" // version of mod",
                    "size \"0\" // size of mod",
                    "svonly \"0\" // server side only mod? (1=yes 0=no)",
                    "cldll \"1\" // client side dll? (1=yes 0=no)",
                    "hlversion \"1100\" // version of halflife",
                    "type \"multiplayer_only\" // type of mod--don't know values that go here.. multiplayer_only",
                    "nomodels \"1\" // game selects player model (1=yes 0=no)",
                    "gamedll \"dlls\\akimbot.dll\"  // file and location of dll"}));
    // The rates no slider showed still reach Akimbot.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "bot_chat_percent 40", "bot_taunt_percent 5", "bot_whine_percent 0",
                    "addbot 1 NewBot 1", "addbot 2 NewBot 4", "disablebotwaypointmessage"}));
}

class BotmTest : public ::testing::Test {
protected:
    BotmTest() : Env(kKey, kFolder, QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/BO_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFBotm> Open()
    {
        QDialog* d = ModTable::Find(kKey)->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFBotm*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFBotm>(w);
    }
    QByteArray Launch(const QString& file = QStringLiteral("bot.cfg"))
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(kKey)->Hooks.LaunchWriters(error)) << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(file));
    }
    TModTestEnv Env;
};

// The picture the bot editor shows for a picture file of the program folder.
QImage Shown(const TModTestEnv& env, const QString& file)
{
    return QPixmap::fromImage(Pictures::LoadPicture(env.ProgramFile(QStringLiteral("models/") + file))).toImage();
}

struct TBotFileCase {
    const char* Name;
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class BotmBotFile : public BotmTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(BotmBotFile, WritesTheCharacterAsAWholeNumber)
{
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

const QByteArray kHead = Crlf({"# addbot <model> <name> <skill>", "pause 3", ""});

INSTANTIATE_TEST_SUITE_P(
    Stores, BotmBotFile,
    ::testing::Values(
        TBotFileCase{"Characters",
                     "[Default]\r\nnumbot=3\r\nskill5=2\r\nspawnbot=3\r\n"
                     "[Bot 1]\r\nnom=Random\r\nmodele=7\r\nskill5=1\r\n"
                     "[Bot 2]\r\nnom=Letters\r\nmodele=abc\r\nskill5=2\r\n"
                     "[Bot 3]\r\nnom=Gone\r\nskill5=5\r\n",
                     kHead + Crlf({"botskill 2", " ", "bot_chat_percent 10", "bot_taunt_percent 20",
                                   "bot_whine_percent 10", "addbot 7 Random 1", "addbot 0 Letters 2",
                                   "addbot 0 Gone 5", "disablebotwaypointmessage"})},
        TBotFileCase{"NoBotsToSpawn",
                     "[Default]\r\nnumbot=1\r\nskill5=4\r\nspawnbot=0\r\nchatfreq=0\r\n",
                     kHead + Crlf({"botskill 4", " ", "bot_chat_percent 0", "bot_taunt_percent 20",
                                   "bot_whine_percent 10", "disablebotwaypointmessage"})}),
    [](const auto& info) { return std::string(info.param.Name); });

// A stored character outside the list, or letters, reads as no character; the last item
// ("< Random >") is a character like the others.
TEST_F(BotmTest, StoredCharactersOutsideTheListReadAsNone)
{
    WriteStore("[Default]\r\nnumbot=3\r\nskill5=2\r\nspawnbot=9\r\n"
               "[Bot 1]\r\nnom=A\r\nmodele=7\r\nskill5=1\r\n"
               "[Bot 2]\r\nnom=B\r\nmodele=8\r\nskill5=2\r\n"
               "[Bot 3]\r\nnom=C\r\nmodele=two\r\nskill5=3\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/mapcycle.txt"), "botm_city\r\n");
    auto w = Open();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("< Random >"));
    EXPECT_EQ(w->BotPic->pixmap().toImage(), Shown(Env, QStringLiteral("Botm/7.jpg")));
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("9"));
    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_EQ(w->botmodel->currentIndex(), -1);
    EXPECT_EQ(w->BotPic->pixmap().toImage(), Shown(Env, QStringLiteral("nopic.jpg")));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray store = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/BO_Bots.ini")));
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=A\r\nmodele=7\r\n")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 2]\r\nnom=B\r\nmodele=0\r\n")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 3]\r\nnom=C\r\nmodele=0\r\n")) << store.constData();
}

// Random bots take a character of the list (the last one included) and a skill the slider can
// show, whatever the maximum skill.
TEST_F(BotmTest, RandomBotsStayWithinTheLists)
{
    Env.Program.AddFile(QStringLiteral("Mods/Botm.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nmaxskill=3\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    Env.Dialogs.Clear();
    for (int k = 0; k < 40; ++k)
        w->SBCreeRandomBot->click();
    const QVector<TBot>& bots = UBotm::Logic().Bots();
    ASSERT_EQ(bots.size(), 40);
    for (const TBot& bot : bots) {
        EXPECT_GE(bot[1].toInt(), 1);
        EXPECT_LE(bot[1].toInt(), 7);
        EXPECT_GE(bot[2].toInt(), 1);
        EXPECT_LE(bot[2].toInt(), 3);
    }
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost.
TEST_F(BotmTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nmodele=3\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UBotm::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/BO_Bots.ini"), store);
}

// The maps are marked by the "optwaypt" extension, not by "waypt"; no map is left out for
// lacking one.
TEST_F(BotmTest, OptionalWaypointsMarkTheMaps)
{
    Env.Program.AddFile(QStringLiteral("Mods/Botm.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nwaypt=.way\r\noptwaypt=.wpt\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/maps/botm_city.wpt"));
    Env.HL.AddFile(kFolder + QStringLiteral("/maps/botm_asteroid.way"));
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    QStringList entries;
    for (int i = 0; i < w->MapDispo->count(); ++i)
        entries << w->MapDispo->item(i)->text();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("botm_asteroid "), QStringLiteral("botm_city *")}));
}

} // namespace
