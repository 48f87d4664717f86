// The "addbot" line file that the mods bringing their own bots keep their bot list in: what each
// line reads as under both mods' defaults, and that what was read is written back as it was.
#include "mods/common/AddbotFile.h"

#include "fixtures/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using AddbotFile::TFormat;

// Goldeneye's: bare lines are the mod's 007, every missing skill is the default 0, a skill 0 is
// left out.
TFormat Golden()
{
    TFormat f;
    f.BareModel = QStringLiteral("007");
    f.ForbiddenNameChars = QStringLiteral("<>");
    return f;
}

// The Gathering's: bare lines are gordon with skill 0, other missing skills 1, always written.
TFormat Gathering()
{
    TFormat f;
    f.BareModel = QStringLiteral("gordon");
    f.NoNameSkill = QStringLiteral("1");
    f.NoSkillSkill = QStringLiteral("1");
    f.MinSkill = 1;
    f.SkillAlways = true;
    f.ForbiddenNameChars = QStringLiteral("<>");
    return f;
}

struct TLineCase {
    const char* Line;
    bool Gathering;
    const char* Name;
    const char* Model;
    const char* Skill;
};

TEST(AddbotFile, EachLineReadsAsOneBot)
{
    const TLineCase cases[] = {
        {"addbot", false, "<RandomBot1>", "007", "0"},
        {"ADDBOT", true, "<RandomBot1>", "gordon", "0"},
        {"AddBot bond", false, "<RandomBot1>", "bond", "0"},
        {"addbot bond", true, "<RandomBot1>", "bond", "1"},
        {"addbot bond James", false, "James", "bond", "0"},
        {"addbot bond James", true, "James", "bond", "1"},
        {"addbot bond James 3", false, "James", "bond", "3"},
        {"  addbot\tbond   James  4  ", false, "James", "bond", "4"},
        // Skills that are no number read as the missing one; numbers are kept in range.
        {"addbot bond James high", false, "James", "bond", "0"},
        {"addbot bond James high", true, "James", "bond", "1"},
        {"addbot bond James 9", false, "James", "bond", "5"},
        {"addbot bond James 0", true, "James", "bond", "1"},
        // Further words (the colours of other bot programs) are not this mod's.
        {"addbot bond James 2 120 40", false, "James", "bond", "2"},
        // A hand-edited name keeps the rule every typed name keeps.
        {"addbot bond <Ja(me)s>", false, "James", "bond", "0"},
        {"addbot bond <RandomBot7>", false, "RandomBot7", "bond", "0"},
        {"addbot bond <>", false, "NewBot", "bond", "0"},
    };
    for (const TLineCase& c : cases) {
        SCOPED_TRACE(c.Line);
        const QString line = QString::fromLatin1(c.Line);
        ASSERT_TRUE(AddbotFile::IsAddbotLine(line));
        int counter = 1;
        const TBot bot = AddbotFile::ParseAddbotLine(line, c.Gathering ? Gathering() : Golden(), counter);
        EXPECT_EQ(bot[0], QString::fromLatin1(c.Name));
        EXPECT_EQ(bot[1], QString::fromLatin1(c.Model));
        EXPECT_EQ(bot[2], QString::fromLatin1(c.Skill));
    }
    for (const char* other : {"addbots bond", "addbot2", "# addbot bond James", "pause 3", ""})
        EXPECT_FALSE(AddbotFile::IsAddbotLine(QString::fromLatin1(other))) << other;
}

TEST(AddbotFile, AFileReadsItsBotsInOrderWithOneCounterAndTheLastBotskill)
{
    const QStringList lines{QStringLiteral("# This is the bot.cfg file"), QStringLiteral("pause 3"),
                            QStringLiteral("botskill 2"),                QStringLiteral("addbot"),
                            QStringLiteral("addbot bond James 3"),       QStringLiteral("ADDBOT jaws"),
                            QStringLiteral("BotSkill 4"),                QStringLiteral("addbot")};
    const AddbotFile::TContents read = AddbotFile::ReadLines(lines, Golden());
    ASSERT_EQ(read.Bots.size(), 4);
    EXPECT_EQ(read.Bots[0][0], QStringLiteral("<RandomBot1>"));
    EXPECT_EQ(read.Bots[1][0], QStringLiteral("James"));
    EXPECT_EQ(read.Bots[2][0], QStringLiteral("<RandomBot2>"));
    EXPECT_EQ(read.Bots[2][1], QStringLiteral("jaws"));
    EXPECT_EQ(read.Bots[3][0], QStringLiteral("<RandomBot3>"));
    EXPECT_EQ(read.BotSkill, QStringLiteral("4"));

    QString skill;
    EXPECT_TRUE(AddbotFile::IsBotSkillLine(QStringLiteral("botskill"), skill));
    EXPECT_EQ(skill, QString());
    EXPECT_FALSE(AddbotFile::IsBotSkillLine(QStringLiteral("# botskill 3"), skill));
}

TEST(AddbotFile, WhatWasReadIsWrittenBackAsItWas)
{
    // Goldeneye leaves out a skill 0; the Gathering writes every named bot's skill.
    const QStringList golden{QStringLiteral("addbot"), QStringLiteral("addbot 007"),
                             QStringLiteral("addbot jaws"), QStringLiteral("addbot bond James"),
                             QStringLiteral("addbot bond Moneypenny 3")};
    EXPECT_EQ(AddbotFile::AddbotLines(AddbotFile::ReadLines(golden, Golden()).Bots, Golden()), golden);
    const QStringList gathering{QStringLiteral("addbot"), QStringLiteral("addbot alien"),
                                QStringLiteral("addbot gordon Freeman 3"),
                                QStringLiteral("addbot gordon Kleiner 1")};
    EXPECT_EQ(AddbotFile::AddbotLines(AddbotFile::ReadLines(gathering, Gathering()).Bots, Gathering()),
              gathering);
    EXPECT_EQ(AddbotFile::AddbotLines(AddbotFile::ReadLines({QStringLiteral("addbot gordon Bob")}, Gathering()).Bots,
                                      Gathering()),
              QStringList{QStringLiteral("addbot gordon Bob 1")});
}

TEST(AddbotFile, EditedRecordsWriteTheirNewLine)
{
    int counter = 1;
    TBot bare = AddbotFile::ParseAddbotLine(QStringLiteral("addbot"), Golden(), counter);
    bare[1] = QStringLiteral("jaws");   // a new model for a bot without a name
    EXPECT_EQ(AddbotFile::AddbotLine(bare, Golden()), QStringLiteral("addbot jaws"));
    bare[0] = QStringLiteral("Jaws");   // and then a name and a skill
    bare[2] = QStringLiteral("5");
    EXPECT_EQ(AddbotFile::AddbotLine(bare, Golden()), QStringLiteral("addbot jaws Jaws 5"));

    TBot fresh;
    fresh[0] = QStringLiteral("NewBot");
    fresh[1] = QStringLiteral("");      // an empty chooser leaves no hole in the line
    fresh[2] = QStringLiteral("x");
    EXPECT_EQ(AddbotFile::AddbotLine(fresh, Golden()), QStringLiteral("addbot 007 NewBot"));
    EXPECT_EQ(AddbotFile::AddbotLine(fresh, Gathering()), QStringLiteral("addbot gordon NewBot 1"));
}

TEST(AddbotFile, AMissingFileReadsNothingWithoutAnError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    AddbotFile::TContents read;
    QString error;
    EXPECT_FALSE(AddbotFile::ReadFile(dir.filePath(QStringLiteral("bot.cfg")), Golden(), read, error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(read.Bots.isEmpty());

    // Names are matched without regard to case, as the game's own folder is.
    ASSERT_TRUE(PutBytes(dir.filePath(QStringLiteral("BOT.cfg")), Crlf({"pause 3", "addbot bond James 2"})));
    ASSERT_TRUE(AddbotFile::ReadFile(dir.filePath(QStringLiteral("bot.cfg")), Golden(), read, error));
    ASSERT_EQ(read.Bots.size(), 1);
    EXPECT_EQ(read.Bots[0][2], QStringLiteral("2"));
}

} // namespace
