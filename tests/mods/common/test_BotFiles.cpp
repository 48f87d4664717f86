// The files named after bots: a name never leads out of its folder, two bots of one file are
// found, and a replacement writes every new file and the list before it removes an old file.
#include "mods/common/BotFiles.h"

#include "fixtures/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BotFiles, AFileStemStaysInItsFolder)
{
    const struct {
        const char* Name;
        const char* Stem;
    } cases[] = {
        {"Bob", "Bob"},          {"  Bob ", "Bob"},     {"../x", "x"},         {"a/b\\c", "abc"},
        {"...", "NewBot"},       {"Bob.", "Bob"},       {"Dr.Who", "Dr.Who"},  {"a:b*?c<>|\"", "abc"},
        {"", "NewBot"},          {". .", "NewBot"},     {"x\x01y", "xy"},      {"..\\..\\win", "win"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BotFiles::FileStem(QString::fromLatin1(c.Name)), QString::fromLatin1(c.Stem)) << c.Name;
        EXPECT_EQ(BotFiles::IsFileStem(QString::fromLatin1(c.Name)), qstrcmp(c.Name, c.Stem) == 0) << c.Name;
    }
}

TEST(BotFiles, TheSecondNameOfOneFileIsFound)
{
    EXPECT_EQ(BotFiles::DuplicateName({QStringLiteral("Bob"), QStringLiteral("Ann"), QStringLiteral(" bOB ")}),
              QStringLiteral("bOB"));
    EXPECT_EQ(BotFiles::DuplicateName({QStringLiteral("Bob"), QStringLiteral("Bobby")}), QString());
}

class BotFilesReplace : public ::testing::Test {
protected:
    QString Path(const char* name) const { return Dir.filePath(QString::fromLatin1(name)); }
    bool Replace(const QStringList& stems, const QStringList& gone, QString& error) const
    {
        QList<QStringList> lines;
        for (const QString& s : stems)
            lines << QStringList{s};
        return BotFiles::ReplaceFiles(Dir.filePath(QStringLiteral("bots")), QStringLiteral(".bot"), stems,
                                      lines, Path("list.txt"), stems, gone, error);
    }
    QTemporaryDir Dir;
};

TEST_F(BotFilesReplace, OnlyTheFilesOfBotsThatLeftAreRemoved)
{
    ASSERT_TRUE(PutBytes(Path("bots/Old.bot"), "old") && PutBytes(Path("bots/Kept.bot"), "kept") &&
                PutBytes(Path("bots/Other.bot"), "other") && PutBytes(Path("Out.bot"), "out"));
    QString error;
    ASSERT_TRUE(Replace({QStringLiteral("kept"), QStringLiteral("New")},
                        {QStringLiteral("Old"), QStringLiteral("Kept"), QStringLiteral("../Out")}, error))
        << error.toStdString();
    EXPECT_EQ(FileBytes(Path("list.txt")), Crlf({"kept", "New"}));
    EXPECT_EQ(FileBytes(Path("bots/Kept.bot")), Crlf({"kept"}));   // the file of the name, in its case
    EXPECT_EQ(FileBytes(Path("bots/New.bot")), Crlf({"New"}));
    EXPECT_FALSE(QFile::exists(Path("bots/Old.bot")));
    EXPECT_TRUE(QFile::exists(Path("bots/Other.bot")));
    EXPECT_TRUE(QFile::exists(Path("Out.bot")));
}

TEST_F(BotFilesReplace, AFailedWriteKeepsTheListAndEveryOldFile)
{
    ASSERT_TRUE(PutBytes(Path("bots/Old.bot"), "old") && PutBytes(Path("list.txt"), "Old\r\n"));
    ASSERT_TRUE(QDir().mkpath(Path("bots/Bad.bot")));
    QString error;
    EXPECT_FALSE(Replace({QStringLiteral("Good"), QStringLiteral("Bad")}, {QStringLiteral("Old")}, error));
    EXPECT_TRUE(error.contains(QStringLiteral("Bad.bot"))) << error.toStdString();
    EXPECT_EQ(FileBytes(Path("list.txt")), "Old\r\n");
    EXPECT_EQ(FileBytes(Path("bots/Old.bot")), "old");
}

} // namespace
