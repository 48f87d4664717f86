// Dragon Mod Z end to end: from the main window's button through the real window's controls,
// Apply and Launch, every written file compared byte for byte; then the bot file's variations,
// the character chooser and the damaged stores that matter for this mod.
#include "mods/common/ModTestEnv.h"

#include "mods/common/EditSweep.h"

#include "mods/dragonmodz/UDragonmodz.h"
#include "mods/dragonmodz/UFDragonmodz.h"
#include "platform/Jpeg.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString kKey = QStringLiteral("DragonmodZ");
const QString kFolder = QStringLiteral("DragonmodZ");

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(kFolder + QStringLiteral("/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(kFolder, QStringLiteral("dmz_astroid"));
    env.HL.AddMap(kFolder, QStringLiteral("dmz_namek"));
}

TEST(DragonmodzFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(kKey, kFolder, QString());
    AddTree(env);
    env.Program.AddFile(QStringLiteral("Bots/DZ_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
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
        auto* w = qobject_cast<TFDragonmodz*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Dragonmod Z - Akimbot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit DMZ"));
        EXPECT_EQ(w->PC->objectName(), QStringLiteral("PC_DMZ"));
        EXPECT_EQ(w->PC->count(), 4);
        EXPECT_EQ(w->botmodel->count(), 10);
        EXPECT_EQ(w->spawnbot->Maximum(), 9);
        w->DZ_timelimit->SetText(QStringLiteral("20"));
        w->DZ_fraglimit->SetText(QStringLiteral("25"));
        w->DZ_fallreal->click();
        EXPECT_EQ(UDragonmodz::Logic().State.Modified, 1);
        w->DZ_Flashlight->click();
        w->spawnbot->stepBy(1);
        w->SBCreeBot->click();
        w->SBCreeBot->click();
        w->Botskill->setValue(4);
        w->SpeedButton13->click();   // the second bot takes the second character
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_fraglimit\"\t\t\"25.00000\"",
                    "\"mp_timelimit\"\t\t\"20.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                    "\"mp_teamplay\"\t\t\"0\"", "\"mp_friendlyfire\"\t\t\"0\"",
                    "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_flashlight\"\t\t\"1\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"dmz_namek"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/DZ_Bots.ini"))),
              Crlf({"[Default]", "numbot=2", "skill5=1", "spawnbot=2", "chatfreq=10",
                    "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot", "modele=1",
                    "skill5=1", "[Bot 2]", "nom=NewBot", "modele=2", "skill5=4"}));

    // The listen server's own settings may not undo the mod's.
    env.HL.AddFile(kFolder + QStringLiteral("/listenserver.cfg"),
                   Crlf({"mp_flashlight 0", "mp_falldamage 0", "mp_teamlist \"a;b\"", "sv_gravity 800"}));
    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("dragonmodz")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("dmz_astroid"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_flashlight 0", "//mp_falldamage 0", "//mp_teamlist \"a;b\"", "sv_gravity 800"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Dragon Mod Z\"", "url_info \"www.dragonmodz.com\"", "url_dl \"\"",
                    "version \"1\"", "size \"1\"", "svonly \"0\"", "//cldll \"1\" ",
                    "hlversion \"1100\"", "type \"multiplayer_only\"", "nomodels \"1\"",
                    "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot 1 NewBot 1", "addbot 2 NewBot 4", "disablebotwaypointmessage"}));
}

class DragonmodzTest : public ::testing::Test {
protected:
    DragonmodzTest() : Env(kKey, kFolder, QStringLiteral("Akimbot"))
    {
        AddTree(Env);
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/DZ_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFDragonmodz> Open()
    {
        QDialog* d = ModTable::Find(kKey)->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFDragonmodz*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFDragonmodz>(w);
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
    const char* Mods;    // the Akimbot section's lines beyond dll (empty: the shipped file)
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class DragonmodzBotFile : public DragonmodzTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(DragonmodzBotFile, WritesTheCharacterAsAWholeNumber)
{
    // A case with its own section is another bot program's, named "Other".
    if (*GetParam().Mods) {
        Env.Program.AddFile(QStringLiteral("Mods/DragonmodZ.ini"),
                            QByteArray("[Default]\r\ndispo=1\r\nBot1=Other\r\n[Other]\r\n") +
                                GetParam().Mods);
        UInit::SelectedBot = QStringLiteral("Other");
    }
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

const QByteArray kAkimbotHead = Crlf({"# addbot <model> <name> <skill>", "pause 3", ""});

INSTANTIATE_TEST_SUITE_P(
    Stores, DragonmodzBotFile,
    ::testing::Values(
        TBotFileCase{"CharactersAsNumbers", "",
                     "[Default]\r\nnumbot=3\r\nskill5=2\r\nspawnbot=3\r\nchatfreq=40\r\n"
                     "[Bot 1]\r\nnom=Kakarot\r\nmodele=3\r\nskill5=1\r\n"
                     "[Bot 2]\r\nnom=Prince\r\nmodele=abc\r\nskill5=2\r\n"
                     "[Bot 3]\r\nnom=Zero\r\nmodele=010\r\nskill5=5\r\n",
                     kAkimbotHead + Crlf({"botskill 2", " ", "bot_chat_percent 40",
                                          "bot_taunt_percent 20", "bot_whine_percent 10",
                                          "addbot 3 Kakarot 1", "addbot 0 Prince 2", "addbot 10 Zero 5",
                                          "disablebotwaypointmessage"})},
        // A bot to spawn that the store does not hold: model 0, the name and skill empty.
        TBotFileCase{"SpawnAboveTheList", "",
                     "[Default]\r\nnumbot=0\r\nskill5=3\r\nspawnbot=1\r\n",
                     kAkimbotHead + Crlf({"botskill 3", " ", "bot_chat_percent 10",
                                          "bot_taunt_percent 20", "bot_whine_percent 10",
                                          "addbot 0  ", "disablebotwaypointmessage"})},
        // Another bot program gets no Akimbot lines; its BotEditor does not stop the file.
        TBotFileCase{"OtherBotWithEditor",
                     "dll=dlls\\other.dll\r\nmaxskill=10\r\nBotEditor=edit.exe\r\n"
                     "addbot=bot <name> <model> <skill>\r\n",
                     "[Default]\r\nnumbot=1\r\nskill10=7\r\nspawnbot=1\r\n"
                     "[Bot 1]\r\nnom=Goku\r\nmodele=1\r\nskill10=9\r\n",
                     Crlf({"# bot <name> <model> <skill>", "pause 3", "", "botskill 7", " ",
                           "bot Goku 1 9"})}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DragonmodzTest, LiblistNamesHlDllWithoutTheBotsLibrary)
{
    Env.Program.AddFile(QStringLiteral("Mods/DragonmodZ.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nmaxskill=5\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    EXPECT_TRUE(Launch(QStringLiteral("liblist.gam")).endsWith("nomodels \"1\"\r\ngamedll \"hl.dll\"\r\n"));
}

// The character chooser shows the stored number's character (none for "0" or a number of no
// character), keeps the number on save, and a random bot draws within the lists' ranges.
TEST_F(DragonmodzTest, ChooserShowsStoredCharactersAndRandomBotsStayInRange)
{
    Env.Program.AddFile(QStringLiteral("Mods/DragonmodZ.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nmaxskill=3\r\n");
    WriteStore("[Default]\r\nnumbot=3\r\nskill3=2\r\nspawnbot=2\r\n"
               "[Bot 1]\r\nnom=A\r\nmodele=3\r\nskill3=1\r\n"
               "[Bot 2]\r\nnom=B\r\nmodele=0\r\nskill3=9\r\n"
               "[Bot 3]\r\nnom=C\r\nmodele=11\r\nskill3=x\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/mapcycle.txt"), "dmz_namek\r\n");
    auto w = Open();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Gohan"));
    EXPECT_EQ(w->BotPic->pixmap().toImage(), Shown(Env, QStringLiteral("DragonmodZ/3.jpg")));
    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_EQ(w->botmodel->currentIndex(), -1);
    EXPECT_EQ(w->Botskill->value(), 3);   // cut to the maximum skill
    const QVector<TBot>& bots = UDragonmodz::Logic().Bots();
    EXPECT_EQ(bots[2][1], QStringLiteral("0"));
    EXPECT_EQ(bots[2][2], QStringLiteral("0"));

    for (int k = 0; k < 30; ++k)
        w->SBCreeRandomBot->click();
    for (int i = 3; i < bots.size(); ++i) {
        EXPECT_GE(bots[i][1].toInt(), 1);
        EXPECT_LE(bots[i][1].toInt(), 10);
        EXPECT_GE(bots[i][2].toInt(), 1);
        EXPECT_LE(bots[i][2].toInt(), 3);
    }
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray store = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/DZ_Bots.ini")));
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=A\r\nmodele=3\r\nskill3=1\r\n")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 3]\r\nnom=C\r\nmodele=0\r\nskill3=0\r\n")) << store.constData();
}

// Restore Default resets the limits and switches but leaves fall damage and the flashlight;
// Restore Config brings back what was saved, and the window stays open.
TEST_F(DragonmodzTest, RestoreDefaultKeepsFallDamageAndFlashlight)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\nmodele=1\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/game.cfg"),
                   Crlf({"\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                         "\"mp_flashlight\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"0\""}));
    auto w = Open();
    EXPECT_EQ(w->DZ_fraglimit->Text(), QStringLiteral("25"));
    EXPECT_TRUE(w->DZ_fallreal->isChecked());
    EXPECT_FALSE(w->DZ_footsteps->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->DZ_fraglimit->Text(), QStringLiteral("0"));
    EXPECT_TRUE(w->DZ_footsteps->isChecked());
    EXPECT_TRUE(w->DZ_fallreal->isChecked());
    EXPECT_TRUE(w->DZ_Flashlight->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreConf->click();
    EXPECT_EQ(w->DZ_fraglimit->Text(), QStringLiteral("25"));
    EXPECT_FALSE(w->DZ_footsteps->isChecked());
    EXPECT_FALSE(w->ClosedByButtons());
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost.
TEST_F(DragonmodzTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nmodele=3\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UDragonmodz::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/DZ_Bots.ini"), store);
}

// The maps are marked by the "optwaypt" extension, not by "waypt"; no map is left out for
// lacking one.
TEST_F(DragonmodzTest, OptionalWaypointsMarkTheMaps)
{
    Env.Program.AddFile(QStringLiteral("Mods/DragonmodZ.ini"),
                        "[Default]\r\ndispo=1\r\nBot1=Akimbot\r\n[Akimbot]\r\nwaypt=.way\r\noptwaypt=.wpt\r\n");
    Env.HL.AddFile(kFolder + QStringLiteral("/maps/dmz_namek.wpt"));
    Env.HL.AddFile(kFolder + QStringLiteral("/maps/dmz_astroid.way"));
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    QStringList entries;
    for (int i = 0; i < w->MapDispo->count(); ++i)
        entries << w->MapDispo->item(i)->text();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("dmz_astroid "), QStringLiteral("dmz_namek *")}));
}

} // namespace
