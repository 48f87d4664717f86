// The files of the bot programs several mods drive (Jumbot's jumbot.cfg, Parabot's parabot.cfg,
// Rho-Bot's files, OddBot's settings lines) and the trait scaling their bot lines share.
#include "mods/common/BotProperties.h"
#include "mods/common/HpbBot.h"
#include "mods/common/Jumbot.h"
#include "mods/common/OddBot.h"
#include "mods/common/Parabot.h"
#include "mods/common/RhoBot.h"

#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.close();
    TIniFile::FlushCache();
    return path;
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TEST(TraitScaling, RoundsHalvesAwayFromZero)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1", "1"}, {"5", "2"}, {"45", "6"}, {"50", "6"}, {"88", "10"}, {"100", "11"},
        {"-15", "-1"}, {"-10", "0"}, {"abc", "1"}, {"", "1"}, {" 34 ", "4"}};
    for (const auto& [value, scaled] : cases)
        EXPECT_EQ(BotProperties::ScaleTrait(QString::fromLatin1(value)), QString::fromLatin1(scaled)) << value;
    EXPECT_EQ(BotProperties::ScaleTrait(QStringLiteral("x"), 10), QStringLiteral("2"));
}

TEST(JumbotTenths, TenMeansOneSecondAndOldFilesStillRead)
{
    EXPECT_EQ(Jumbot::TenthsText(10), QStringLiteral("1"));
    EXPECT_EQ(Jumbot::TenthsText(1), QStringLiteral("0.1"));
    EXPECT_EQ(Jumbot::TenthsText(0), QStringLiteral("0.0"));
    const std::pair<const char*, int> reads[] = {
        {"1", 10}, {"0.10", 10}, {"0.3", 3}, {"0.5", 5}, {"abc", 7}, {"", 7}, {"0.x", 7}, {"2", 7}};
    for (const auto& [text, value] : reads)
        EXPECT_EQ(Jumbot::TenthsValue(QString::fromLatin1(text), 7), value) << text;
}

TEST(JumbotPatcher, RenewsTheCommandLinesAndNothingElse)
{
    const Jumbot::TPatch patch{QStringLiteral("crossfire"), QStringLiteral("1"), QStringLiteral("6"),
                               QStringLiteral("3"), QStringLiteral("2")};
    const QStringList in{QStringLiteral("// bots play every map of the cycle"),
                         QStringLiteral("map stalkyard"),
                         QStringLiteral("  bot_num\t4"),
                         QStringLiteral("bot_numbers 9"),
                         QStringLiteral("bot_random 0"),
                         QStringLiteral("spawndelay 9"),
                         QStringLiteral("bot_skill 5"),
                         QStringLiteral("bot_skilled 1"),
                         QStringLiteral("wp_edit 0"),
                         QString()};
    const QStringList expected{QStringLiteral("// bots play every map of the cycle"),
                               QStringLiteral("map crossfire"),
                               QStringLiteral("bot_num 6"),
                               QStringLiteral("bot_numbers 9"),
                               QStringLiteral("bot_random 1"),
                               QStringLiteral("spawndelay 3"),
                               QStringLiteral("bot_skill 2"),
                               QStringLiteral("bot_skilled 1"),
                               QStringLiteral("wp_edit 0"),
                               QString()};
    EXPECT_EQ(Jumbot::PatchLines(in, patch), expected);
}

TEST(ParabotCfg, LinesFromTheStore)
{
    QTemporaryDir dir;
    struct TCase {
        const char* Store;
        int Spawn;
        bool Peace;
        const char* Expected;
    } cases[] = {
        {"[Default]\r\nBotChat=Yes\r\nbotdontshoot=1\r\nRestrictedWeaponMode=1\r\nAlwaysRespond=yes\r\n", 5, true,
         "MinPlayers = 6\r\nPeaceMode = on\r\nRestrictedWeaponMode = on\r\nMinAimSkill = 1\r\nMaxAimSkill = 10\r\n"
         "BotChat = on\r\nChatFile = \"ChatEnglish.txt\"\r\nAlwaysRespond = off\r\n"},
        {"[Default]\r\nBotChat=2\r\nbotdontshoot=1\r\n", 0, false,
         "MinPlayers = 1\r\nPeaceMode = off\r\nRestrictedWeaponMode = off\r\nMinAimSkill = 1\r\nMaxAimSkill = 10\r\n"
         "BotChat = off\r\nChatFile = \"ChatEnglish.txt\"\r\nAlwaysRespond = off\r\n"},
    };
    for (const TCase& c : cases) {
        const TIniFile store(Write(dir, QStringLiteral("store.ini"), c.Store));
        const QString out = dir.filePath(QStringLiteral("Parabot/dmc/parabot.cfg"));
        QDir().mkpath(QFileInfo(out).absolutePath());
        QString error;
        ASSERT_TRUE(Parabot::WriteCfg(out, store, c.Spawn, c.Peace, error)) << error.toStdString();
        EXPECT_EQ(Read(out), QByteArray(c.Expected)) << c.Store;
    }
    // Parabot's folder is its own: a missing one is reported, not made.
    QString error;
    const TIniFile store(dir.filePath(QStringLiteral("none.ini")));
    EXPECT_FALSE(Parabot::WriteCfg(dir.filePath(QStringLiteral("Parabot/gearbox/parabot.cfg")), store, 1, true, error));
    EXPECT_TRUE(error.contains(QStringLiteral("parabot.cfg"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("Parabot/gearbox"))));
}

RhoBot::TFlavour Flavour()
{
    RhoBot::TFlavour f;
    f.SkillKey = QStringLiteral("skill5");
    f.WeaponHeading = QStringLiteral("// Rho-Bot weapons preferences");
    f.Weapons = {qMakePair(QStringLiteral("bot_wp_crowbar"), QStringLiteral("CROWBAR")),
                 qMakePair(QStringLiteral("bot_wp_mp5"), QStringLiteral("MP5"))};
    return f;
}

TEST(RhoBotFiles, NewFilesFirstThenOnlyTheGoneBotsFiles)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("valve"));
    QDir().mkpath(root);
    Write(dir, QStringLiteral("valve/bots/Old.cfg"), "old\r\n");
    Write(dir, QStringLiteral("valve/bots/ann.cfg"), "stale\r\n");
    Write(dir, QStringLiteral("valve/bots/notes.txt"), "keep\r\n");
    const TIniFile store(Write(dir, QStringLiteral("store.ini"),
                               "[Default]\r\nspawnbot=2\r\nskill5=3\r\nchatfreq=30\r\n"
                               "[Bot 1]\r\nnom=Ann\r\nmodele=barney\r\nparam1=7\r\nparam2=9\r\nJUMP=40\r\nMP5=90\r\n"
                               "[Bot 2]\r\nnom=..\\..\\evil/name\r\n"));
    QString error;
    ASSERT_TRUE(RhoBot::WriteFiles(root, store, 2, Flavour(), error)) << error.toStdString();
    EXPECT_EQ(Read(root + QStringLiteral("/botcycle.txt")), QByteArray("Ann\r\nevilname\r\n"));
    // Names match without regard to case: the old file of the bot is rewritten in place.
    EXPECT_EQ(Read(root + QStringLiteral("/bots/ann.cfg")),
              QByteArray("//\r\n// Rho-Bot name, model, and model colors\r\n//\r\n"
                         "bot_name\t\t\"Ann\"\r\nbot_model\t\t\"barney\"\r\nbot_top_color\t\t\"9\"\r\n"
                         "bot_bottom_color\t\t\"7\"\r\n//\r\n// Rho-Bot traits\r\n//\r\n"
                         "bot_trait_jump\t\t40\r\nbot_trait_accuracy\t\t1\r\nbot_trait_aggression\t\t1\r\n"
                         "bot_trait_perception\t\t1\r\nbot_trait_reflexes\t\t1\r\n//\r\n"
                         "// Rho-Bot weapons preferences\r\n//\r\nbot_wp_crowbar\t\t1\r\nbot_wp_mp5\t\t90\r\n"));
    // The name's path never leaves the bots folder.
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("/bots/evilname.cfg")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("store.ini")});
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/bots/Old.cfg")));
    EXPECT_EQ(Read(root + QStringLiteral("/bots/notes.txt")), QByteArray("keep\r\n"));
    const QByteArray cfg = Read(root + QStringLiteral("/cfg/rhobot.cfg"));
    EXPECT_TRUE(cfg.contains("\r\nbot_number 2\r\n"));
    EXPECT_TRUE(cfg.contains("\r\nbot_skill 3\r\n"));
    EXPECT_TRUE(cfg.contains("\r\nbot_chat 30\r\n"));
    EXPECT_TRUE(cfg.endsWith("// Debug variables\r\nbot_observer 0\r\n"));
    EXPECT_EQ(cfg.count("\r\n"), 32);
}

TEST(RhoBotFiles, TwoBotsOfOneNameAreRefusedBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("dmc"));
    Write(dir, QStringLiteral("dmc/bots/Keep.cfg"), "keep\r\n");
    const TIniFile store(Write(dir, QStringLiteral("store.ini"),
                               "[Bot 1]\r\nnom=Ann\r\n[Bot 2]\r\nnom=Keep\r\n[Bot 3]\r\nnom= ann \r\n"));
    QString error;
    EXPECT_FALSE(RhoBot::WriteFiles(root, store, 3, Flavour(), error));
    EXPECT_TRUE(error.contains(QStringLiteral("ann"))) << error.toStdString();
    EXPECT_EQ(Read(root + QStringLiteral("/bots/Keep.cfg")), QByteArray("keep\r\n"));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/botcycle.txt")));
    // Empty names take their position and never clash.
    const TIniFile empty(Write(dir, QStringLiteral("empty.ini"), "[Bot 1]\r\nnom=\r\n"));
    EXPECT_EQ(RhoBot::BotNames(empty, 2), (QStringList{QStringLiteral("NewBot1"), QStringLiteral("NewBot2")}));
    EXPECT_TRUE(RhoBot::WriteFiles(root, empty, 2, Flavour(), error)) << error.toStdString();
    EXPECT_EQ(QDir(root + QStringLiteral("/bots")).entryList(QDir::Files),
              (QStringList{QStringLiteral("NewBot1.cfg"), QStringLiteral("NewBot2.cfg")}));
}

TEST(HpbBotSettings, LinesInTheOrderAskedAndADefaultForWhatIsNoNumber)
{
    QTemporaryDir dir;
    using HpbBot::TSetting;
    const TIniFile empty(Write(dir, QStringLiteral("empty.ini"), "[Default]\r\n"));
    EXPECT_EQ(HpbBot::SettingsLines(empty, {TSetting::Whine, TSetting::DontShoot, TSetting::Strafe, TSetting::Chat,
                                            TSetting::Taunt, TSetting::Grenade, TSetting::Logo, TSetting::Reaction})
                  .join(QLatin1Char('|')),
              QStringLiteral("bot_whine_percent 10|botdontshoot 0|bot_strafe_percent 20|bot_chat_percent 10|"
                             "bot_taunt_percent 20|bot_grenade_time 15|bot_logo_percent 40|bot_reaction_time 0"));
    const TIniFile edited(Write(dir, QStringLiteral("edited.ini"),
                                "[Default]\r\nstrafe=35\r\ngrenade=abc\r\nlogo=\r\nreaction_time=2\r\n"));
    EXPECT_EQ(HpbBot::SettingsLines(edited, {TSetting::Strafe, TSetting::Grenade, TSetting::Logo, TSetting::Reaction})
                  .join(QLatin1Char('|')),
              QStringLiteral("bot_strafe_percent 35|bot_grenade_time 15|bot_logo_percent 40|bot_reaction_time 2"));
    // The colour switch: its number as stored, off when missing or no number.
    const TIniFile colours(Write(dir, QStringLiteral("colours.ini"), "[Default]\r\nrandom_color=1\r\n"));
    const TIniFile wordy(Write(dir, QStringLiteral("wordy.ini"), "[Default]\r\nrandom_color=yes\r\n"));
    EXPECT_EQ(HpbBot::SettingsLines(colours, {TSetting::RandomColor}), QStringList{QStringLiteral("random_color 1")});
    EXPECT_EQ(HpbBot::SettingsLines(wordy, {TSetting::RandomColor}), QStringList{QStringLiteral("random_color 0")});
    EXPECT_EQ(HpbBot::SettingsLines(empty, {TSetting::RandomColor}), QStringList{QStringLiteral("random_color 0")});
}

TEST(OddBotSettings, TheBotsShootUnlessTheFlagIsSetAndTheChatRateIsANumber)
{
    QTemporaryDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"", "bot_shoot on|bot_balance off|bot_chat 0|bot_exec_default 0"},
        {"botdontshoot=0\r\nteam_even=1\r\nchatfreq=30\r\n", "bot_shoot on|bot_balance on|bot_chat 30|bot_exec_default 0"},
        {"botdontshoot=1\r\nteam_even=0\r\nchatfreq=abc\r\n", "bot_shoot off|bot_balance off|bot_chat 0|bot_exec_default 0"},
        {"botdontshoot=Yes\r\nteam_even=Yes\r\n", "bot_shoot off|bot_balance on|bot_chat 0|bot_exec_default 0"},
        // A flag that is neither set nor clear reads as the key left out: the bots shoot.
        {"botdontshoot=\r\n", "bot_shoot on|bot_balance off|bot_chat 0|bot_exec_default 0"},
        {"botdontshoot=abc\r\nteam_even=abc\r\n", "bot_shoot on|bot_balance off|bot_chat 0|bot_exec_default 0"},
    };
    int n = 0;
    for (const auto& [keys, lines] : cases) {
        const TIniFile store(Write(dir, QStringLiteral("store%1.ini").arg(n++), "[Default]\r\n" + QByteArray(keys)));
        EXPECT_EQ(OddBot::SettingsLines(store).join(QLatin1Char('|')), QString::fromLatin1(lines)) << keys;
    }
}

} // namespace

namespace {

TEST(JumbotDialect, LeavesOutAndReplacesCommandsInTheSharedOrder)
{
    Jumbot::TCommand num;
    num.Name = QStringLiteral("bot_num");
    num.Stem = QStringLiteral("bot_num");
    num.Default = QStringLiteral("4");
    const Jumbot::TCommandTable table =
        Jumbot::Dialect({QStringLiteral("bot_ordering"), QStringLiteral("bot_squads")}, {num});
    QStringList names;
    for (const Jumbot::TCommand& c : table)
        names << c.Name;
    QStringList shared;
    for (const Jumbot::TCommand& c : Jumbot::Commands())
        if (c.Name != QStringLiteral("bot_ordering") && c.Name != QStringLiteral("bot_squads"))
            shared << c.Name;
    EXPECT_EQ(names, shared);
    const auto at = names.indexOf(QStringLiteral("bot_num"));
    EXPECT_EQ(table[at].Stem, QStringLiteral("bot_num"));
    EXPECT_TRUE(table[at].Read);
    EXPECT_EQ(table[at].Default, QStringLiteral("4"));
}

TEST(JumbotFileNames, AValueReadKeepsOnlyItsBareFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"bots.cfg", "bots.cfg"}, {"..\\..\\evil.cfg", "evil.cfg"}, {"a/b/c.cfg", "c.cfg"},
        {"..", ""}, {" x\"y.cfg ", "xy.cfg"}, {"", ""}};
    for (const auto& [value, name] : cases)
        EXPECT_EQ(Jumbot::BareFileName(QString::fromLatin1(value)), QString::fromLatin1(name)) << value;
}

} // namespace
