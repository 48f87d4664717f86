// Action Half-Life: from the main window's button through its window to the files it and the
// launch write; the bot chat kept in the store; the bot-info files; the game.cfg variations and
// the damaged-store cases.
#include "mods/common/ButtonRounds.h"
#include "mods/common/ModTestEnv.h"

#include "mods/action/UAction.h"
#include "mods/action/UFAction.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A file built line by line in the test, as the written bytes.
QByteArray CrlfLines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

// The chat comment lines and the bot-info file's fixed lines, as the mod's bot documents them.
const char* const kChatComments[] = {
    "//These are the chat sections. At the moment, chat is only used to communicate messages to team members.",
    "//Also note that the %x options in regular chat will work here as well (e.g. %l for location). Each chat",
    "//section can also have an unlimited number of lines (which one is used is decided at random), but remember",
    "//not to exceed the max file size mentioned above.",
    "//Here's what each section (by number) is for:",
    "//1 - Enemy spotted",
    "//2 - Taking fire",
    "//3 - Need backup",
    "//4 - Enemy down",
    "//5 - The bot says it's going to a sniping location",
    "//6 - The bot says it's going directly after the enemy",
    "//7 - Suicide lines (if applicable)",
};

// A .bif file as the mod's bot reads it.
QStringList Bif(const char* name, const char* model, const char* yaw, const char* accuracy, int intlevel,
                const char* fov, const char* distance, const char* reflex, const char* candive,
                const char* suicidal, const char* canchat, const char* fw, const char* fu, const char* fs,
                const QVector<QStringList>& chats)
{
    QStringList l{"//THIS FILE CANNOT EXCEED 16384 BYTES IN LENGTH",
                  "//(the caps indicate that this is an important thing)", "",
                  QStringLiteral("name=") + name, QStringLiteral("model=") + model, "",
                  QStringLiteral("yawspeed=") + yaw,
                  "//yawspeed is degrees turned per frame. In this case it's 90 degrees per frame", "",
                  QStringLiteral("accuracy=") + accuracy,
                  "//A low value is good, a high value is bad (so 1 will be basically perfect accuracy, disregarding",
                  "//the standard weapon inaccuracy)", "",
                  QStringLiteral("intlevel=") + QString::number(intlevel),
                  "//Can be 0-4. 4 is a high intelligence level, while 0 is low. The int level just decides whether",
                  "//or not the bot can do certain more advanced things.", "",
                  QStringLiteral("fov=") + fov, "//Field of view, 90 is the default (same as a player's)", "",
                  QStringLiteral("distance=") + distance,
                  "//the maximum distance a bot can see in game units. The default is 0, which means the distance is unlimited.",
                  "", QStringLiteral("reflex=") + reflex,
                  "//Time it takes for the bot to react to a threat. A value of 0.1 would be 1/10 of a second, whereas 1 would be 1 second.",
                  "", QStringLiteral("candive=") + candive,
                  "//This means the bot can dive. If the value is 0 then the bot cannot dive.", "",
                  QStringLiteral("suicidal=") + suicidal, "//Is the bot prone to suiciding in bad situations? (1 means yes)",
                  "", QStringLiteral("canchat=") + canchat,
                  "//A value of 0 means the bot will never speak, a value of 2 means the chat section of default.bif is used.",
                  "//A value of 1 means that the bot will use it's own chat lines.", "",
                  QStringLiteral("favweapon=") + fw, "//Favorite weapon choices are:", "//0 - Random", "//3 - Beretta",
                  "//4 - Magnum", "//5 - Colt", "//6 - DEagle", "//7 - SAA", "",
                  QStringLiteral("favuniqueweapon=") + fu, "//Favorite unique weapon choices are:", "//0 - Random",
                  "//3 - Throwing knives", "//10 - Akimbo berettas", "//11 - Akimbo colts", "//12 - Akimbo SAA's",
                  "//13 - Handcannon", "//14 - Shotgun", "//15 - MP5", "//16 - M4", "//17 - Sniper rifle",
                  "//18 - 50 cal sniper rifle", "", QStringLiteral("favspecial=") + fs,
                  "//Favorite special item choices are:", "//0 - Random", "//2 - Bandolier", "//3 - Flashlight",
                  "//4 - Laser sight", "//5 - Night vision", "//6 - Silencer", "//7 - Stealth", "//8 - Armor vest",
                  "//9 - Holster", "//10 - Frag grenade", ""};
    for (const char* c : kChatComments)
        l << QString::fromUtf8(c);
    l << QString();
    for (int c = 1; c <= 7; ++c) {
        l << QString() << QStringLiteral("[CHAT=%1]").arg(c);
        if (c - 1 < chats.size())
            l << chats[c - 1];
        l << QStringLiteral("[CHATEND=%1]").arg(c);
    }
    return l;
}

class ActionTest : public ::testing::Test {
protected:
    ActionTest() : Env(QStringLiteral("Action"), QStringLiteral("action"), QStringLiteral("AHL bot"))
    {
        Env.HL.AddFile(QStringLiteral("action/dlls/ahl.dll"), "MZ");
        Env.HL.AddMap(QStringLiteral("action"), QStringLiteral("ahl_back"));
        Env.HL.AddMap(QStringLiteral("action"), QStringLiteral("ahl_city"));
        Env.HL.AddPlayerModel(QStringLiteral("arnie"), QStringLiteral("action"));
        Env.HL.AddPlayerModel(QStringLiteral("bond"), QStringLiteral("action"));
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/AC_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    QByteArray StoreBytes() const { return TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/AC_Bots.ini"))); }
    std::unique_ptr<TFAction> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Action"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFAction*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFAction>(w);
    }
    bool RunWriters(QString& error)
    {
        TModRow* row = ModTable::Find(QStringLiteral("Action"));
        return row && row->Hooks.LaunchWriters && row->Hooks.LaunchWriters(error);
    }
    QByteArray ModBytes(const QString& name) const { return TModTestEnv::Read(Env.ModFile(name)); }
    static void Choose(QComboBox* c, int index)
    {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }

    TModTestEnv Env;
};

// ---------------------------------------------------------------- end to end

TEST_F(ActionTest, FromTheMainWindowThroughApplyAndLaunch)
{
    QStringList scr;
    for (int i = 1; i <= 10; ++i)
        scr << QStringLiteral("// line %1").arg(i);
    Env.HL.AddFile(QStringLiteral("action/user.scr"), CrlfLines(scr));
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());
    TMain main;
    main.ModButtonClick(QStringLiteral("Action"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("AHL bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("AHL bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFAction*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Action Half-Life - AHL bot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Action"));
        EXPECT_GE(w->AC_PC_Bot->indexOf(w->AC_TS_BotBehav), 0);
        EXPECT_FALSE(w->AC_bot_snipe->isHidden());
        Choose(w->AC_gametype, 4);
        Choose(w->AC_Gorelevel, 5);
        Choose(w->AC_tkdeal, 2);
        w->AC_bot_snipe->click();
        w->spawnbot->stepBy(1);
        w->SBCreeBot->click();
        w->AC_reflex->setValue(10);
        w->AC_candive->click();
        Choose(w->AC_favuniqueweapon, 4);
        w->AC_Chat->setPlainText(QStringLiteral("[CHAT=3]\nCover me!\nNeed help\n[CHATEND=3]\n"));
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(ModBytes(QStringLiteral("game.cfg")),
              Crlf({"\"mp_bots\"\t\t\"2.00000\"", "\"bot_snipe\"\t\t\"1\"", "\"mp_gametype\"\t\t\"4\"",
                    "\"mp_fraglimit\"\t\t\"0.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_roundtimelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"",
                    "\"mp_teamkills\"\t\t\"0.00000\"", "\"mp_tkdeal\"\t\t\"2\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    QStringList userScr = scr;
    while (userScr.size() < 84)
        userScr << QString();
    userScr << "\t\"gore_level\"" << "\t{" << "\t\t\"Gore Level\"" << "\t\t{" << "\t\t\tLIST"
            << "\t\t\t\"Disabled\" \"0\"" << "\t\t\t\"Low\" \"1\"" << "\t\t\t\"Normal\" \"2\"" << "\t\t\t\"High\" \"3\""
            << "\t\t\t\"Very High\" \"4\"" << "\t\t\t\"Excessive\" \"5\"" << "\t\t\t\"Getting rediculous\" \"6\""
            << "\t\t}" << "\t\t{ \"5.000000\" }" << "\t}" << "" << "\t\"pickup_sounds\"" << "\t{"
            << "\t\t\"Client Side Pickup Sounds\"" << "\t\t{ BOOL }" << "\t\t{ \"1\" }" << "\t}" << "" << "}";
    EXPECT_EQ(ModBytes(QStringLiteral("user.scr")), CrlfLines(userScr));
    const QByteArray store = StoreBytes();
    EXPECT_TRUE(store.contains("[Bot 1-Chat3]\r\nNBLigne=2\r\nLigne1=Cover me!\r\nLigne2=Need help\r\n")) << store.toStdString();
    EXPECT_TRUE(store.contains("[Bot 1-Chat1]\r\nNBLigne=0\r\n"));
    // The mod's bots have no default skill: [Default] keeps no skill key.
    EXPECT_EQ(TIniFile(Env.ProgramFile(QStringLiteral("Bots/AC_Bots.ini")))
                  .ReadString(QStringLiteral("Default"), QStringLiteral("skill5"), QStringLiteral("none")),
              QStringLiteral("none"));

    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(ModBytes(QStringLiteral("game.cfg")).startsWith("\"mp_bots\"\t\"2.00000\"\r\n\"bot_snipe\""));
    EXPECT_EQ(ModBytes(QStringLiteral("liblist.gam")),
              Crlf({"// Action Half-life", "game \"AHL Beta 4\"", "gamedir \"action\"",
                    "url_info \"www.actionhalflife.com\"", "date \"April 16, 2001\"", "version \"4.0\"",
                    "size \"124211200\"", "cldll \"1\"", "hlver \"1106\"", "startmap \"c0a0e\"",
                    "gamedll \"dlls\\ahl.dll\"", "gamedll_linux \"dlls/ahl_i386.so\""}));
    // Two bots to spawn, one in the list: the second is named after its number.
    EXPECT_EQ(ModBytes(QStringLiteral("botinfo/biflist.txt")), Crlf({"NewBot", "NewBot2"}));
    EXPECT_EQ(ModBytes(QStringLiteral("botinfo/NewBot.bif")),
              CrlfLines(Bif("NewBot", "arnie", "90", "30", 0, "90", "0", "1", "0", "0", "1", "0", "12", "0",
                       {{}, {}, {"Cover me!", "Need help"}})));
    EXPECT_EQ(ModBytes(QStringLiteral("botinfo/NewBot2.bif")),
              CrlfLines(Bif("NewBot2", "arnie", "90", "1", 0, "90", "0", "0.6", "1", "0", "1", "0", "0", "0", {})));
}

// ---------------------------------------------------------------- chat text and store sections

TEST(ActionChat, OnlyLinesInsideANumberedBlockOf1To7AreKept)
{
    struct TCase {
        const char* Text;
        int Block;           // 1..7; 0: no block holds anything
        QStringList Lines;
    };
    const TCase cases[] = {
        {"//comment\n[CHAT=3]\nCover me!\n[CHATEND=3]\nafter", 3, {"Cover me!"}},
        {"x [CHAT=2] y\none\n\ntwo\n[CHATEND=2]", 2, {"one", "", "two"}},
        {"[CHAT=7]\r\nlast\r\n[CHATEND=7]", 7, {"last"}},
        {"[CHAT=0]\nnone\n[CHATEND=0]", 0, {}},
        {"[CHAT=9]\nnone\n[CHATEND=9]", 0, {}},
        {"[CHAT=]\nnone\n[CHATEND=]", 0, {}},
        {"[CHAT=x]\nnone", 0, {}},
        {"no block at all", 0, {}},
    };
    for (const TCase& c : cases) {
        const QVector<QStringList> blocks = UAction::ChatBlocks(QString::fromUtf8(c.Text));
        ASSERT_EQ(blocks.size(), 7);
        for (int b = 1; b <= 7; ++b)
            EXPECT_EQ(blocks[b - 1], b == c.Block ? c.Lines : QStringList()) << c.Text << " block " << b;
    }
}

TEST_F(ActionTest, StaleChatSectionsNeverComeBack)
{
    WriteStore("[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=Alpha\r\n[Bot 2]\r\nnom=Bravo\r\n[Bot 3]\r\nnom=Charlie\r\n"
               "[Bot 1-Chat1]\r\nNBLigne=1\r\nLigne1=Go go go\r\nLigne2=old longer line\r\n"
               "[Bot 2-Chat5]\r\nNBLigne=1\r\nLigne1=Sniping\r\n[Bot 3-Chat2]\r\nNBLigne=1\r\nLigne1=Ouch\r\n");
    Env.HL.AddFile(QStringLiteral("action/mapcycle.txt"), "ahl_back\r\n");
    {
        auto w = Open();
        EXPECT_TRUE(w->AC_Chat->toPlainText().contains(QStringLiteral("[CHAT=1]\nGo go go\n[CHATEND=1]")));
        // Bravo's chat emptied, Charlie gone.
        w->ListBot->setCurrentRow(1);
        w->ListBotClick();
        w->B_ResetChat->click();
        w->ListBot->clearSelection();
        w->ListBot->setCurrentRow(2);
        w->ListBot->item(2)->setSelected(true);
        Env.Dialogs.ExpectConfirm(true);
        w->SBDelBot->click();
        w->BApplyConf->click();
        ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    }
    const QByteArray store = StoreBytes();
    EXPECT_FALSE(store.contains("old longer line"));
    EXPECT_FALSE(store.contains("Bot 2-Chat")) << store.toStdString();
    EXPECT_FALSE(store.contains("Bot 3-Chat"));
    EXPECT_FALSE(store.contains("Ouch"));
    EXPECT_TRUE(store.contains("[Bot 1-Chat1]\r\nNBLigne=1\r\nLigne1=Go go go\r\n"));
}

// ---------------------------------------------------------------- bot-info files

TEST_F(ActionTest, IntelligenceAndReflexesStayWithinWhatTheBotReads)
{
    struct TCase {
        const char* Skill;   // "" missing
        const char* Reflex;
        int IntLevel;
        const char* ReflexText;
    };
    const TCase cases[] = {{"1", "1", 0, "0.1"}, {"5", "10", 4, "1"}, {"", "6", 0, "0.6"},
                           {"3", "", 2, "0.6"},  {"9", "3", 4, "0.3"}, {"x", "y", 0, "0.6"},
                           {"0", "7", 0, "0.7"}};
    for (const TCase& c : cases) {
        QByteArray store = "[Bot 1]\r\nnom=A\r\n";
        if (*c.Skill)
            store += "skill5=" + QByteArray(c.Skill) + "\r\n";
        if (*c.Reflex)
            store += "reflex=" + QByteArray(c.Reflex) + "\r\n";
        WriteStore(store);
        const QStringList lines = UAction::BotInfoLines(TIniFile(Env.ProgramFile(QStringLiteral("Bots/AC_Bots.ini"))),
                                                        1, QStringLiteral("A"), QStringLiteral("5"));
        EXPECT_TRUE(lines.contains(QStringLiteral("intlevel=%1").arg(c.IntLevel))) << c.Skill;
        EXPECT_TRUE(lines.contains(QStringLiteral("reflex=") + QString::fromLatin1(c.ReflexText))) << c.Reflex;
    }
}

TEST_F(ActionTest, BotInfoFilesStayInTheirFolderAndTwoOfOneNameAreRefused)
{
    for (const auto& [name, file] : {std::pair{"../../evil", "evil"}, std::pair{"a\\b:c", "abc"},
                                     std::pair{"  ", "NewBot4"}, std::pair{"..", "NewBot4"},
                                     std::pair{"Big Bob", "BigBob"}})
        EXPECT_EQ(UAction::BotInfoName(QString::fromLatin1(name), 4), QString::fromLatin1(file)) << name;

    // Old files of bots still listed are replaced, those of bots gone removed after the new ones.
    Env.HL.AddFile(QStringLiteral("action/botinfo/biflist.txt"), "Gone\r\nAlpha\r\n");
    Env.HL.AddFile(QStringLiteral("action/botinfo/Gone.bif"), "old");
    Env.HL.AddFile(QStringLiteral("action/botinfo/Other.bif"), "not ours");
    Env.HL.AddFile(QStringLiteral("action/game.cfg"), "// mp_bots here\r\n\"mp_fraglimit\"\t\t\"5.00000\"\r\n");
    WriteStore("[Default]\r\nspawnbot=2\r\n[Bot 1]\r\nnom=Alpha\r\n[Bot 2]\r\nnom=../Bravo\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    EXPECT_EQ(ModBytes(QStringLiteral("botinfo/biflist.txt")), Crlf({"Alpha", "Bravo"}));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("botinfo/Bravo.bif"))));
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("botinfo/Gone.bif"))));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("botinfo/Other.bif"))));
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("Bravo.bif"))));
    EXPECT_EQ(ModBytes(QStringLiteral("game.cfg")), Crlf({"\"mp_bots\"\t\"2.00000\"", "\"mp_fraglimit\"\t\t\"5.00000\""}));

    WriteStore("[Default]\r\nspawnbot=2\r\n[Bot 1]\r\nnom=Alpha\r\n[Bot 2]\r\nnom= alpha\r\n");
    ASSERT_FALSE(RunWriters(error));
    EXPECT_TRUE(error.contains(QStringLiteral("alpha")));
    EXPECT_EQ(ModBytes(QStringLiteral("botinfo/biflist.txt")), Crlf({"Alpha", "Bravo"}));

    // The window refuses them before saving.
    WriteStore("[Default]\r\nnumbot=2\r\n[Bot 1]\r\nnom=Alpha\r\n[Bot 2]\r\nnom=ALPHA\r\n");
    Env.HL.AddFile(QStringLiteral("action/mapcycle.txt"), "ahl_back\r\n");
    const QByteArray before = StoreBytes();
    auto w = Open();
    w->Modif_Param();
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_EQ(StoreBytes(), before);
}

// ---------------------------------------------------------------- Akimbot and game.cfg reads

TEST_F(ActionTest, AkimbotGetsNoBotsInGameCfgAndTheTemplateFile)
{
    UInit::SelectedBot = UAction::Akimbot;
    WriteStore("[Default]\r\nspawnbot=1\r\nchatfreq=5\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=bond\r\nskill5=x\r\n");
    QString error;
    // No game.cfg yet: the launch goes on and writes none.
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
    EXPECT_EQ(ModBytes(QStringLiteral("bot.cfg")),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 0", " ",
                    "bot_chat_percent 5", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot bond Alpha 0", "disablebotwaypointmessage"}));

    auto w = Open();
    EXPECT_LT(w->AC_PC_Bot->indexOf(w->AC_TS_BotBehav), 0);
    EXPECT_TRUE(w->AC_bot_snipe->isHidden());
    QString why;
    ASSERT_TRUE(UAction::Logic().WriteGameCfg(why));
    const QByteArray cfg = ModBytes(QStringLiteral("game.cfg"));
    EXPECT_TRUE(cfg.startsWith("\"mp_bots\"\t\t\"0.00000\"\r\n\"mp_gametype\"")) << cfg.toStdString();
}

TEST_F(ActionTest, ChooserIndexesReadFromTheFirstDigitOnly)
{
    struct TCase {
        const char* Value;
        int GameType;   // AC_gametype after reading, from the default 0 ... or 3 before
    };
    const TCase cases[] = {{"4.00000", 4}, {"5", 5}, {"", 3}, {"x2", 3}, {"7", 3}, {"12", 1}};
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    for (const TCase& c : cases) {
        w->AC_gametype->setCurrentIndex(3);
        UAction::Logic().ApplyGameCfgCvar(QStringLiteral("mp_gametype"), QString::fromLatin1(c.Value));
        EXPECT_EQ(w->AC_gametype->currentIndex(), c.GameType) << c.Value;
    }
}

TEST_F(ActionTest, DamagedStoreReadsAsDefaults)
{
    WriteStore("[Default]\r\nnumbot=1\r\ngore level=zz\r\nBot_Snipe=Yes\r\nspawnbot=x\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nmodele=bond\r\nskill5=abc\r\naccuracy=x\r\nreflex=99\r\n"
               "fov=-5\r\nfavweapon=1\r\nfavuniqueweapon=12\r\nyawspeed=\r\n");
    auto w = Open();
    EXPECT_EQ(w->AC_Gorelevel->currentIndex(), 1);
    EXPECT_TRUE(w->AC_bot_snipe->isChecked());
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("1"));
    EXPECT_EQ(w->Botskill->value(), 1);   // the slider counts from 1
    EXPECT_EQ(w->AC_accuracy->value(), 1);
    EXPECT_EQ(w->AC_reflex->value(), 10);
    EXPECT_EQ(w->AC_fov->value(), 1);
    EXPECT_EQ(w->AC_yawspeed->value(), 90);
    EXPECT_EQ(w->AC_favweapon->currentIndex(), 0);
    EXPECT_EQ(w->AC_favuniqueweapon->currentText(), QStringLiteral("12 - Akimbo SAA's"));
    EXPECT_EQ(UAction::Logic().State.Modified, 0);
}

// ---------------------------------------------------------------- the window's own behaviour

TEST_F(ActionTest, EveryEditMarksTheSettingsModifiedAndExitAsksFirst)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    auto w = Open();
    w->ListBot->setCurrentRow(0);
    w->ListBotClick();
    ASSERT_EQ(UAction::Logic().State.Modified, 0);
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"game type", [&] { Choose(w->AC_gametype, 2); }},
        {"gore level", [&] { Choose(w->AC_Gorelevel, 3); }},
        {"dealing with TK", [&] { Choose(w->AC_tkdeal, 1); }},
        {"round limit", [&] { w->AC_roundtimelimit->stepBy(1); }},
        {"teamkills", [&] { w->AC_teamkills->stepBy(1); }},
        {"bots snipe", [&] { w->AC_bot_snipe->click(); }},
        {"fall damage", [&] { w->Control<QRadioButton>(QStringLiteral("AC_fallreal"))->click(); }},
        {"reflexes", [&] { w->AC_reflex->setValue(3); }},
        {"turn speed", [&] { w->AC_yawspeed->setValue(200); }},
        {"accuracy", [&] { w->AC_accuracy->setValue(50); }},
        {"field of view", [&] { w->AC_fov->setValue(120); }},
        {"view distance", [&] { w->AC_distance->setValue(1024); }},
        {"can dive", [&] { w->AC_candive->click(); }},
        {"suicidal", [&] { w->AC_suicidal->click(); }},
        {"can chat", [&] { w->AC_canchat->click(); }},
        {"weapon", [&] { Choose(w->AC_favweapon, 2); }},
        {"unique weapon", [&] { Choose(w->AC_favuniqueweapon, 3); }},
        {"special item", [&] { Choose(w->AC_favspecial, 4); }},
        {"bot chat", [&] { TModTestEnv::Type(w->AC_Chat, QStringLiteral("x")); }},
        {"reset chat", [&] { w->B_ResetChat->click(); }},
        {"bot name", [&] { TModTestEnv::Type(w->botname, QStringLiteral("y")); }},
        {"number of bots", [&] { w->spawnbot->stepBy(1); }},
    };
    for (const auto& [what, edit] : edits) {
        UAction::Logic().State.Modified = 0;
        edit();
        EXPECT_EQ(UAction::Logic().State.Modified, 1) << what;
    }
    // The record took the behaviours as the controls show them.
    const TBot& bot = UAction::Logic().Bots().at(0);
    EXPECT_EQ((QStringList{bot[9], bot[23], bot[6], bot[8], bot[7], bot[10], bot[11], bot[12]}),
              (QStringList{"3", "200", "50", "120", "1024", "4", "11", "5"}));

    Env.Dialogs.ExpectConfirm(false);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Confirmation),
              QStringList{QStringLiteral("Do you want to save your settings ?")});
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

TEST_F(ActionTest, RestoreDefaultResetsTheGameAndRestoreConfigReadsTheFilesAgain)
{
    Env.HL.AddFile(QStringLiteral("action/game.cfg"),
                   Crlf({"\"mp_gametype\"\t\t\"4\"", "\"mp_roundtimelimit\"\t\t\"5.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                         "\"mp_footsteps\"\t\t\"0\"", "\"mp_teamkills\"\t\t\"3.00000\"", "\"mp_tkdeal\"\t\t\"2\""}));
    Env.HL.AddFile(QStringLiteral("action/mapcycle.txt"), "ahl_city\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nspawnbot=4\r\ngore level=6\r\n[Bot 1]\r\nnom=Alpha\r\nreflex=2\r\n");
    auto w = Open();
    const auto shown = [&] {
        return QStringList{QString::number(w->AC_gametype->currentIndex()), w->AC_roundtimelimit->Text(),
                           w->Control<QRadioButton>(QStringLiteral("AC_fallreal"))->isChecked() ? "real" : "normal",
                           w->Control<QCheckBox>(QStringLiteral("AC_footsteps"))->isChecked() ? "steps" : "quiet",
                           w->AC_teamkills->Text(), QString::number(w->AC_tkdeal->currentIndex()),
                           QString::number(w->AC_Gorelevel->currentIndex()), w->spawnbot->Text(),
                           QString::number(w->ListBot->count())};
    };
    const QStringList read{"4", "5", "real", "quiet", "3", "2", "6", "4", "1"};
    EXPECT_EQ(shown(), read);
    ButtonRounds::ExpectRestoreDefaultThenConfig(*w, Env, UAction::Logic().State.Modified, shown, read,
                                                 QStringList{"0", "0", "normal", "steps", "0", "0", "6", "4", "1"});
}

TEST_F(ActionTest, WithoutABotStoreTheWindowSaysSoAndTheFirstSaveWritesTheDefaults)
{
    Env.HL.AddFile(QStringLiteral("action/mapcycle.txt"), "ahl_back\r\n");
    auto w = Open();
    ASSERT_NO_FATAL_FAILURE(ButtonRounds::MakeTheFirstBotAndApply(*w, Env));
    // A bot without chat of its own keeps no chat sections.
    EXPECT_EQ(StoreBytes(),
              "[Default]\r\nnumbot=1\r\nspawnbot=1\r\nchatfreq=10\r\nchatfreq_kill=20\r\nchatfreq_died=10\r\n"
              "gore level=1\r\nBot_Snipe=0\r\n"
              "[Bot 1]\r\nnom=NewBot\r\nmodele=arnie\r\nskill5=1\r\naccuracy=30\r\ncandive=1\r\nreflex=6\r\n"
              "fov=90\r\ndistance=0\r\nsuicidal=0\r\ncanchat=1\r\nfavweapon=0\r\nfavuniqueweapon=0\r\n"
              "favspecial=0\r\nyawspeed=90\r\n");
}

TEST_F(ActionTest, TypedAndDrawnNamesKeepTheOneNameRuleAndMakeAFileName)
{
    Env.Program.AddFile(QStringLiteral("bot_names.txt"), "Dr.Who*<x>\r\n");
    UInit::ReadBotNames();
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    w->SBCreeRandomBot->click();
    EXPECT_EQ(w->botname->text(), QStringLiteral("DrWhox"));
    w->botname->clear();
    TModTestEnv::Type(w->botname, QStringLiteral("Big Bob's ./\\|?\"*;x"));
    EXPECT_EQ(w->botname->text(), QStringLiteral("BigBobsx"));
}

} // namespace
