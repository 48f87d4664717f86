// Start-up settings, mod folders, bot names, player models, conversions and the key table.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "fixtures/FakeHalfLife.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

#define kQor UInit::QorKeyPath

// A program folder with its own registry store; start-up reads it like the real one.
class UInitStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.IsValid());
        ASSERT_TRUE(game.IsValid());
        UInit::SelectedMod.clear();
    }
    void TearDown() override { TIniFile::FlushCache(); }

    QString StoredValue(const QString& name) const
    {
        return TRegistryKey(kQor, false).ReadString(name);
    }

    ProgramFolder program;
    FakeHalfLife game;
    ScriptedDialogs dialogs;
};

TEST_F(UInitStart, AutoStartLetterFollowsTheStoredValue)
{
    struct Case {
        const char* stored;
        bool set;
        const char* letter;
    };
    const Case cases[] = {
        {"N", true, "N"},   // stored off stays off
        {"", true, "O"},    // empty means on
        {"", false, "O"},   // missing means on
        {"o", true, "o"},   // lower case is not "O": off
        {"O", true, "O"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("AutoStart '") + c.stored + (c.set ? "'" : "' (missing)"));
        ProgramFolder fresh;
        if (c.set)
            fresh.SetRegistry(kQor, "AutoStart", c.stored);
        fresh.SetRegistry(kQor, "HLPath", game.Root());
        TIniFile::FlushCache();
        UInit::LoadRegistrySettings();
        EXPECT_EQ(UInit::AutoStartSetting, QString::fromLatin1(c.letter));
        // The "O" of an empty value lives in memory only.
        EXPECT_EQ(TRegistryKey(kQor, false).ReadString("AutoStart"), QString::fromLatin1(c.stored));
    }
}

TEST_F(UInitStart, RegistryValuesReachTheGlobals)
{
    program.SetRegistry(kQor, "AppPath", program.Root());
    program.SetRegistry(kQor, "HLPath", game.Root() + "/");   // a trailing separator falls away
    program.SetRegistry(kQor, "HLExe", "cstrike.exe");
    program.SetRegistry(kQor, "CloseQOR", "O");
    program.SetRegistry(kQor, "Dedicated", "N");
    program.SetRegistry(kQor, "HLkeyfr", "O");
    UInit::LoadRegistrySettings();
    EXPECT_EQ(UInit::AppPath, program.Root());
    EXPECT_EQ(UInit::HLPath, game.Root());
    EXPECT_EQ(UInit::HLExe, "cstrike.exe");
    EXPECT_EQ(UInit::CloseQORSetting, "O");
    EXPECT_EQ(UInit::DedicatedSetting, "N");
    EXPECT_EQ(UInit::HLKeyFrSetting, "O");
    EXPECT_EQ(ModTable::Find("CStrike")->Dir, game.Root() + "/cstrike");
}

TEST_F(UInitStart, HalfLifePathComesFromValveKeyWhenTheProgramHasNone)
{
    program.SetRegistry(UInit::ValveKeyPath, "InstallPath", game.Root());
    UInit::LoadRegistrySettings();
    EXPECT_EQ(UInit::HLPath, game.Root());
    EXPECT_EQ(UInit::HLExe, "hl.exe");
    EXPECT_EQ(UInit::PlayerModelsDir, game.Root() + "/valve/models/player");
    EXPECT_EQ(UInit::ValveMapsDir, game.Root() + "/valve/maps");
    EXPECT_EQ(ModTable::Find("Op4")->Dir, game.Root() + "/gearbox");
    EXPECT_EQ(ModTable::Find("Existence")->Dir, game.Root() + "/EXistence");
}

TEST_F(UInitStart, WithoutAnyHalfLifePathNothingIsBuiltOrListed)
{
    for (TModRow& row : ModTable::Rows())
        row.Dir = "/previous/" + row.Key;
    UInit::ModelList = QStringList{"sentinel"};
    UInit::InitProgram();
    EXPECT_EQ(UInit::HLPath, "");
    EXPECT_EQ(UInit::PlayerModelsDir, "");
    // The folders keep what they held; the player models were not looked for.
    EXPECT_EQ(ModTable::Find("CStrike")->Dir, "/previous/CStrike");
    EXPECT_EQ(UInit::ModelList, QStringList{"sentinel"});
    EXPECT_TRUE(dialogs.Texts().isEmpty()) << dialogs.Texts().join("|").toStdString();
    EXPECT_EQ(UInit::LoadingDone, 1);
}

TEST_F(UInitStart, ProgramFolderStandsInForAMissingAppPath)
{
    UInit::LoadRegistrySettings();
    EXPECT_EQ(UInit::AppPath, UInit::ProgramFolder());

    // A store that cannot be opened at all: the data still come from beside the binary.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("QORVANE_REGISTRY", dir.filePath("file/registry.ini").toLocal8Bit());
    UInit::AppPath = "stale";
    UInit::LoadRegistrySettings();
    EXPECT_EQ(UInit::AppPath, UInit::ProgramFolder());
    EXPECT_EQ(UInit::HLExe, "hl.exe");
    EXPECT_EQ(UInit::AutoStartSetting, "O");
    EXPECT_EQ(UInit::DedicatedSetting, "");
}

TEST_F(UInitStart, PlayerModelsAreTheFoldersHoldingTheirModel)
{
    game.AddPlayerModel("zombie");
    game.AddPlayerModel("Barney");
    game.AddPlayerModel("gina");
    // A model folder named like the folder that holds the models is still a model, and the
    // models listed before it stay.
    game.AddPlayerModel("player");
    game.AddFile("valve/models/player/empty/readme.txt", "no model here");
    program.SetRegistry(kQor, "HLPath", game.Root());
    UInit::InitProgram();
    EXPECT_EQ(UInit::ModelList, (QStringList{"Barney", "gina", "player", "zombie"}));
    EXPECT_TRUE(dialogs.Texts().isEmpty());
}

TEST_F(UInitStart, MissingPlayerFolderIsReportedAndStartUpGoesOn)
{
    program.SetRegistry(kQor, "HLPath", game.Root());
    UInit::InitProgram();
    EXPECT_EQ(dialogs.Texts(Dialogs::TKind::Error),
              QStringList{"Can't find models in valve\\models\\player."});
    EXPECT_TRUE(UInit::ModelList.isEmpty());
    EXPECT_EQ(UInit::HLPath, game.Root());
    EXPECT_EQ(UInit::LoadingDone, 1);
}

TEST_F(UInitStart, InitProgramRestartsTheButtonGrid)
{
    UInit::ButtonX = 238;
    UInit::ButtonY = 170;
    UInit::InitProgram();
    EXPECT_EQ(UInit::ButtonX, 10);
    EXPECT_EQ(UInit::ButtonY, 20);
}

TEST_F(UInitStart, BotNamesKeepSingleWordsOnly)
{
    UInit::AppPath = program.Root();
    program.AddFile("bot_names.txt", "Bob\r\nBig Bob\r\n#x\r\n/x\r\n\r\nZed\r\n");
    UInit::ReadBotNames();
    EXPECT_EQ(UInit::Bot_Names, (QStringList{"Bob", "Zed"}));

    // A second read replaces the list instead of adding to it.
    UInit::ReadBotNames();
    EXPECT_EQ(UInit::Bot_Names, (QStringList{"Bob", "Zed"}));

    QFile::remove(program.Path("bot_names.txt"));
    UInit::ReadBotNames();
    EXPECT_EQ(UInit::Bot_Names, QStringList{"NewBot"});
}

TEST_F(UInitStart, ClearWorkListsEmptiesTheHiddenLists)
{
    UInit::MapList = QStringList{"a"};
    UInit::DirList = QStringList{"b"};
    UInit::ModelList = QStringList{"c"};
    UInit::TempMemo = QStringList{"d"};
    UInit::Bot_Names = QStringList{"e"};
    UInit::ClearWorkLists();
    EXPECT_TRUE(UInit::MapList.isEmpty());
    EXPECT_TRUE(UInit::DirList.isEmpty());
    EXPECT_TRUE(UInit::ModelList.isEmpty());
    EXPECT_TRUE(UInit::TempMemo.isEmpty());
    EXPECT_EQ(UInit::Bot_Names, QStringList{"e"});
}

TEST(UInitConversions, TextToBoolAcceptsExactlyOneAndYes)
{
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"Yes", true}, {"yes", false}, {"YES", false}, {"1.0", false},
        {"0", false}, {"", false}, {" 1", false}, {"No", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(UInit::TextToBool(text), expected) << text;
}

TEST(UInitConversions, WrittenForms)
{
    QString text;
    UInit::BoolTo01(true, text);
    EXPECT_EQ(text, "1");
    UInit::BoolTo01(false, text);
    EXPECT_EQ(text, "0");
    UInit::BoolToYesNo(true, text);
    EXPECT_EQ(text, "Yes");
    UInit::BoolToYesNo(false, text);
    EXPECT_EQ(text, "No");
    const std::pair<const char*, const char*> onOff[] = {
        {"1", "on"}, {"Yes", "on"}, {"yes", "off"}, {"0", "off"}, {"", "off"}};
    for (const auto& [in, out] : onOff) {
        UInit::TextToOnOff(in, text);
        EXPECT_EQ(text, out) << in;
    }
}

TEST(UInitKeys, KeyToHLKeyLooksUpTheTable)
{
    UInit::BuildKeyTable();
    const std::pair<const char*, const char*> cases[] = {
        {"Num Keypad 5", "KP_5"}, {"F3", "F3"}, {"F10", "F10"}, {"F11", ""},
        {"Num Keypad 0", "KP_INS"}, {"Num Keypad ENTER", "KP_ENTER"}, {"Num Keypad -", "KP_MINUS"},
        {"num keypad 5", ""}, {"", ""},
    };
    for (const auto& [display, key] : cases) {
        QString out = "previous";
        UInit::KeyToHLKey(display, out);
        EXPECT_EQ(out, key) << display;
    }
}

class UInitKeyCombos : public ::testing::Test {
protected:
    void SetUp() override
    {
        UInit::BuildKeyTable();
        saved = UInit::SelectedMod;
    }
    void TearDown() override
    {
        for (TModRow& row : ModTable::Rows())
            if (row.Window == &window)
                row.Window = nullptr;
        UInit::SelectedMod = saved;
    }
    QComboBox* AddCombo(const QString& name)
    {
        auto* box = new QComboBox(&window);
        box->setObjectName(name);
        box->addItem("old item");
        return box;
    }

    QDialog window;
    QString saved;
};

TEST_F(UInitKeyCombos, FillingReplacesTheItemsOfEveryChooserGiven)
{
    QComboBox* menu = AddCombo("CS_botmenu");
    QComboBox* exec = AddCombo("CS_ExecKey");
    QComboBox* other = AddCombo("CS_other");
    UInit::FillKeyCombos({menu, nullptr, exec});
    UInit::FillKeyCombos({menu, exec});
    for (QComboBox* box : {menu, exec}) {
        ASSERT_EQ(box->count(), 24) << box->objectName().toStdString();
        EXPECT_EQ(box->itemText(0), "F1");
        EXPECT_EQ(box->itemText(10), "Num Keypad 0");
        EXPECT_EQ(box->itemText(23), "Num Keypad -");
        EXPECT_EQ(box->currentIndex(), -1) << "a key chosen before the user chose one";
    }
    EXPECT_EQ(other->count(), 1);
}

TEST(ModTableRows, KeysAreCaseSensitiveAndFourModsHaveNoBotSelector)
{
    EXPECT_EQ(ModTable::Rows().size(), 31);
    ASSERT_NE(ModTable::Find("CStrike"), nullptr);
    EXPECT_EQ(ModTable::Find("cstrike"), nullptr);
    EXPECT_EQ(ModTable::Find(""), nullptr);
    QStringList without;
    for (const TModRow& row : ModTable::Rows())
        if (!row.HasBotSelector())
            without << row.Key;
    EXPECT_EQ(without, (QStringList{"Gathering", "Goldeneye", "Scihunt", "Wantedhl"}));
    EXPECT_EQ(ModTable::Find("Dod")->ListKey, "DoD");
    EXPECT_EQ(ModTable::Find("Deathmatch")->ModsFile, "HL-DM");
    EXPECT_EQ(ModTable::Find("Deathmatch")->Folder, "");
}

} // namespace
