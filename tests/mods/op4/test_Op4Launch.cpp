// Opposing Force's bot file and parabot.cfg from the files alone: the template of the game type,
// every placeholder filled as the bot programs read it, and what a short or damaged store gives.
#include "mods/common/ModTestEnv.h"

#include "mods/op4/UOp4.h"

#include <gtest/gtest.h>

namespace {

QByteArray Launch(TModTestEnv& env, const QByteArray& mods, const QByteArray& store)
{
    env.Program.AddFile(QStringLiteral("Mods/OP4.ini"), mods);
    env.Program.AddFile(QStringLiteral("Bots/OF_Bots.ini"), store);
    TIniFile::FlushCache();
    QString error;
    EXPECT_TRUE(UOp4::Logic().WriteBotCfg(error)) << error.toStdString();
    return TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg")));
}

const QByteArray kBot = "[Bot 1]\r\nnom=Ann\r\nmodele=Otis\r\nteam=2\r\nskill=4\r\nctfmodele=6\r\n"
                        "ACCURACY=3\r\nAGGRESSION=9\r\nPERCEPTION=10\r\n";

TEST(Op4Launch, TheTemplateIsFilledAsTheBotProgramsReadIt)
{
    struct TCase {
        const char* Template;
        QByteArray Default;
        QByteArray Bot;
        const char* Line;
    } cases[] = {
        {"addbot <team> <model> <ctfmodel> <name> <skill>", "", kBot, "addbot 2 Otis 7 Ann 4"},
        {"<accuracy> <aggression> <perception> <chat>", "chatfreq=10\r\n", kBot, "3 9 10 2"},
        {"<chat>", "chatfreq=0\r\n", kBot, "1"},
        {"<chat>", "chatfreq=100\r\n", kBot, "11"},
        {"<chat>", "chatfreq=15\r\n", kBot, "3"},
        {"<name> <name>", "", kBot, "Ann <name>"},
        {"a<TAB>b<TAB><RC>c<TAB>", "", kBot, "a\tb\t<RC>c\t"},
        // A missing capture-the-flag model is the list's first; letters read as the defaults.
        {"<ctfmodel> <skill> <team> <accuracy>", "",
         "[Bot 1]\r\nnom=Ann\r\nskill=high\r\nteam=x\r\nACCURACY=?\r\n", "1 0 3 1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Template);
        TModTestEnv env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QStringLiteral("TeamBot"));
        const QByteArray file =
            Launch(env, QByteArray("[TeamBot]\r\naddbot=") + c.Template + "\r\n",
                   "[Default]\r\nnumbot=1\r\nspawnbot=1\r\n" + c.Default + c.Bot);
        EXPECT_EQ(file, Crlf({(QByteArray("# ") + c.Template).constData(), "pause 3", "", " ", c.Line}));
    }
}

TEST(Op4Launch, CaptureTheFlagTakesItsOwnTemplateWhereTheBotPlaysIt)
{
    struct TCase {
        const char* Bot;
        const char* Type;
        const char* Line;
    } cases[] = {
        {"HPB Bot", "2", "ctf Ann"},  {"HPB Bot", "1", "dm Ann"},  {"HPB Bot", "0", "dm Ann"},
        {"HPB Bot", "-1", "dm Ann"},  {"HPB Bot", "x", "dm Ann"},  {"TeamBot", "2", "dm Ann"},
        {"Parabot", "2", "dm Ann"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Bot) + " " + c.Type);
        TModTestEnv env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QString::fromLatin1(c.Bot));
        env.HL.AddFile(QStringLiteral("Parabot/gearbox/ChatEnglish.txt"), "hi\r\n");
        const QByteArray section = QByteArray("[") + c.Bot + "]\r\naddbot=dm <name>\r\naddbotctf=ctf <name>\r\n";
        const QByteArray file =
            Launch(env, section, QByteArray("[Default]\r\nnumbot=1\r\nspawnbot=1\r\nGame Type=") + c.Type + "\r\n" + kBot);
        EXPECT_TRUE(file.endsWith(QByteArray(c.Line) + "\r\n")) << file.toStdString();
    }
}

TEST(Op4Launch, TheNumberOfBotsToSpawn)
{
    struct TCase {
        QByteArray Store;
        int Lines;
        const char* Last;
        const char* MinPlayers;
    } cases[] = {
        {"", 0, " ", "MinPlayers = 1"},
        {"[Default]\r\nnumbot=1\r\nspawnbot=0\r\n" + kBot, 0, " ", "MinPlayers = 1"},
        // More than stored: the window's plain reading of a bot, never an empty argument.
        {"[Default]\r\nnumbot=1\r\nspawnbot=2\r\n" + kBot, 2, "addbot 3 gordon 1 NewBot 0", "MinPlayers = 3"},
        // On a listen server the host takes the 32nd place.
        {"[Default]\r\nnumbot=1\r\nspawnbot=500\r\n" + kBot, 31, "addbot 3 gordon 1 NewBot 0", "MinPlayers = 32"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Lines);
        TModTestEnv env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QStringLiteral("Parabot"));
        env.HL.AddFile(QStringLiteral("Parabot/gearbox/ChatEnglish.txt"), "hi\r\n");
        const QByteArray file =
            Launch(env, "[Parabot]\r\naddbot=addbot <team> <model> <ctfmodel> <name> <skill>\r\n", c.Store);
        const QList<QByteArray> lines = file.split('\n');
        // The header part ("# ...", pause, empty, one blank), the bots, the last line end.
        EXPECT_EQ(lines.size(), 4 + c.Lines + 1) << file.toStdString();
        EXPECT_EQ(lines.value(lines.size() - 2), QByteArray(c.Last) + "\r");
        EXPECT_TRUE(TModTestEnv::Read(env.HL.Root() + QStringLiteral("/Parabot/gearbox/parabot.cfg"))
                        .startsWith(QByteArray(c.MinPlayers) + "\r\n"));
    }
}

TEST(Op4Launch, ParabotWithoutItsFolderIsAnErrorThatWritesNothing)
{
    TModTestEnv env(QStringLiteral("Op4"), QStringLiteral("gearbox"), QStringLiteral("Parabot"));
    env.Program.AddFile(QStringLiteral("Bots/OF_Bots.ini"), "[Default]\r\nnumbot=1\r\nspawnbot=1\r\n" + kBot);
    TIniFile::FlushCache();
    QString error;
    EXPECT_FALSE(UOp4::Logic().WriteBotCfg(error));
    EXPECT_TRUE(error.contains(QStringLiteral("parabot.cfg"))) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("bot.cfg"))));
}

} // namespace
