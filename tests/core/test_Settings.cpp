// Per-mod settings in QOR.ini, memo files and the cvar-line reader.
#include "core/UInit.h"
#include "core/UQOR_Settings.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A program folder of its own and a selected mod; the globals are put back afterwards.
class ModSettingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldAppPath = UInit::AppPath;
        m_oldMod = UInit::SelectedMod;
        UInit::AppPath = m_dir.path();
        UInit::SelectedMod = QStringLiteral("CStrike");
        TIniFile::FlushCache();
    }
    void TearDown() override
    {
        UInit::AppPath = m_oldAppPath;
        UInit::SelectedMod = m_oldMod;
        TIniFile::FlushCache();
    }
    QString Ini() const { return m_dir.filePath(QStringLiteral("QOR.ini")); }

    QTemporaryDir m_dir;
    QString m_oldAppPath;
    QString m_oldMod;
};

TEST_F(ModSettingTest, ReadOfAbsentFileOrKeyIsEmpty)
{
    QString result = QStringLiteral("stale");
    EXPECT_TRUE(UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), result));
    EXPECT_EQ(result, QString());

    WriteBytes(Ini(), "[CStrike]\r\nLast Bot=POD\r\n");
    result = QStringLiteral("stale");
    UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), result);
    EXPECT_EQ(result, QString());
}

TEST_F(ModSettingTest, WriteCreatesFileThenReadsBackInSelectedSectionOnly)
{
    QString result;
    ASSERT_TRUE(UQOR::AccessModSetting(QStringLiteral("First Map"), QStringLiteral("de_dust"),
                                       QStringLiteral("Write"), result));
    EXPECT_EQ(result, QString());
    UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), result);
    EXPECT_EQ(result, QStringLiteral("de_dust"));

    // Another mod's section is another setting.
    UInit::SelectedMod = QStringLiteral("TFC");
    UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), result);
    EXPECT_EQ(result, QString());

    const TIniFile ini(Ini());
    EXPECT_EQ(ini.ReadString(QStringLiteral("CStrike"), QStringLiteral("First Map"), QString()),
              QStringLiteral("de_dust"));
}

TEST_F(ModSettingTest, ModesAreCaseSensitiveAndOthersDoNothing)
{
    WriteBytes(Ini(), "[CStrike]\r\nFirst Map=cs_italy\r\n");
    for (const char* mode : {"write", "WRITE", "Save", ""}) {
        SCOPED_TRACE(mode);
        QString result = QStringLiteral("stale");
        UQOR::AccessModSetting(QStringLiteral("First Map"), QStringLiteral("x"), QString::fromLatin1(mode), result);
        EXPECT_EQ(result, QString());
    }
    EXPECT_EQ(ReadBytes(Ini()), QByteArray("[CStrike]\r\nFirst Map=cs_italy\r\n"));

    QString result = QStringLiteral("stale");
    UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("read"), result);
    EXPECT_EQ(result, QString());
}

TEST_F(ModSettingTest, NoSelectedModWritesNothing)
{
    UInit::SelectedMod.clear();
    QString result;
    EXPECT_FALSE(UQOR::AccessModSetting(QStringLiteral("First Map"), QStringLiteral("x"),
                                        QStringLiteral("Write"), result));
    EXPECT_FALSE(QFile::exists(Ini()));
}

class MemoFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    // The folder the way the mod windows pass it, with a trailing backslash.
    QString Folder() const { return m_dir.path() + QStringLiteral("\\"); }
    QString File(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

TEST_F(MemoFileTest, ReadLoadsLinesAndMissingFileKeepsMemo)
{
    WriteBytes(File("chat.txt"), "hello there\r\n\r\nCaf\xc3\xa9 time\n");
    QStringList lines{QStringLiteral("old")};
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Read"), lines, Folder(), QStringLiteral("chat.txt")));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("hello there"), QString(), QStringLiteral("Caf\u00e9 time")}));

    lines = QStringList{QStringLiteral("kept")};
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Read"), lines, Folder(), QStringLiteral("none.txt")));
    EXPECT_EQ(lines, QStringList{QStringLiteral("kept")});
}

TEST_F(MemoFileTest, WriteReplacesFileWithCrLfAndEmptyNameWritesNothing)
{
    WriteBytes(File("chat.txt"), "a much longer old content that must go\r\n");
    QStringList lines{QStringLiteral("one"), QStringLiteral("two")};
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Write"), lines, Folder(), QStringLiteral("chat.txt")));
    EXPECT_EQ(ReadBytes(File("chat.txt")), QByteArray("one\r\ntwo\r\n"));

    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Write"), lines, Folder(), QString()));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("chat.txt")});

    // Modes are case-sensitive here too.
    QStringList other{QStringLiteral("x")};
    UQOR::AccessMemoFile(QStringLiteral("write"), other, Folder(), QStringLiteral("chat.txt"));
    EXPECT_EQ(ReadBytes(File("chat.txt")), QByteArray("one\r\ntwo\r\n"));
}

TEST_F(MemoFileTest, PlainTextMemoRoundTripsKeepingLatin1Bytes)
{
    // A chat file saved in another code page: the accent must come back as the same byte.
    WriteBytes(File("taunts.txt"), "gg \xe9quipe\r\nnice shot\r\n");
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("placeholder"));
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Read"), &memo, Folder(), QStringLiteral("taunts.txt")));
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("gg \u00e9quipe\nnice shot"));

    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Write"), &memo, Folder(), QStringLiteral("taunts.txt")));
    EXPECT_EQ(ReadBytes(File("taunts.txt")), QByteArray("gg \xe9quipe\r\nnice shot\r\n"));

    memo.clear();
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Write"), &memo, Folder(), QStringLiteral("taunts.txt")));
    EXPECT_EQ(ReadBytes(File("taunts.txt")), QByteArray());
}

TEST_F(MemoFileTest, AMemoSaveKeepsNoBreakSpaces)
{
    // French chat lines put a no-break space before "!" and "?"; the control's plain text would
    // turn it into an ordinary one.
    const QByteArray bytes = "bien jou\xe9\xa0!\r\nencore\xa0?\r\n";
    WriteBytes(File("chat.txt"), bytes);
    QPlainTextEdit memo;
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Read"), &memo, Folder(), QStringLiteral("chat.txt")));
    ASSERT_TRUE(UQOR::AccessMemoFile(QStringLiteral("Write"), &memo, Folder(), QStringLiteral("chat.txt")));
    EXPECT_EQ(ReadBytes(File("chat.txt")), bytes);
}

struct TSplitCase {
    const char* Mod;
    const char* Line;
    const char* Name;
    const char* Value;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TSplitCase& c, std::ostream* os) { *os << c.Mod << ": " << c.Line; }

class SplitCvarLineTest : public ::testing::TestWithParam<TSplitCase> {
protected:
    void SetUp() override { m_oldMod = UInit::SelectedMod; }
    void TearDown() override { UInit::SelectedMod = m_oldMod; }
    QString m_oldMod;
};

TEST_P(SplitCvarLineTest, SplitsNameAndValue)
{
    const TSplitCase& c = GetParam();
    UInit::SelectedMod = QString::fromLatin1(c.Mod);
    QString name = QStringLiteral("stale");
    QString value = QStringLiteral("stale");
    UQOR::SplitCvarLine(QString::fromUtf8(c.Line), name, value);
    EXPECT_EQ(name, QString::fromUtf8(c.Name));
    EXPECT_EQ(value, QString::fromUtf8(c.Value));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitCvarLineTest,
    ::testing::Values(
        // The written form: quoted name, two TABs, quoted value with its decimals.
        TSplitCase{"CStrike", "\"mp_timelimit\"\t\t\"20.00000\"", "mp_timelimit", "20.00000"},
        TSplitCase{"Rocket", "\"mp_timelimit\"\t\t\"20.000000\"", "mp_timelimit", "20"},
        TSplitCase{"CStrike", "mp_fraglimit 30 // thirty frags", "mp_fraglimit", "30"},
        TSplitCase{"CStrike", "// a comment line", "", ""},
        TSplitCase{"CStrike", "hostname \"a/b\"", "hostname", "a"},
        TSplitCase{"Scihunt", "sh_weapfileloc\t\"weapons/sh/arsenal.txt\"", "sh_weapfileloc",
                   "weapons/sh/arsenal.txt"},
        TSplitCase{"CStrike", "mp_footsteps", "", "mp_footsteps"},
        TSplitCase{"CStrike", "  \tmp_c4timer  45 \r", "mp_c4timer", "45"},
        // The TAB wins over an earlier blank.
        TSplitCase{"CStrike", "my name\tvalue", "my name", "value"},
        // One unmatched quote at either end goes all the same; inner quotes stay.
        TSplitCase{"CStrike", "\"sv_name\t\"x\"y\"", "sv_name", "x\"y"},
        TSplitCase{"CStrike", "", "", ""}));

struct THexCase {
    const char* Text;
    int Value;
    bool Ok;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const THexCase& c, std::ostream* os) { *os << c.Text; }

class HexPairTest : public ::testing::TestWithParam<THexCase> {};

TEST_P(HexPairTest, ConvertsTwoUpperCaseDigits)
{
    const THexCase& c = GetParam();
    bool ok = !c.Ok;
    EXPECT_EQ(UQOR::HexPairToInt(QString::fromLatin1(c.Text), &ok), c.Value);
    EXPECT_EQ(ok, c.Ok);
}

INSTANTIATE_TEST_SUITE_P(Pairs, HexPairTest,
                         ::testing::Values(THexCase{"FF", 255, true}, THexCase{"0A", 10, true},
                                           THexCase{"A0", 160, true}, THexCase{"00", 0, true},
                                           THexCase{"9C", 156, true}, THexCase{"ff", 0, false},
                                           THexCase{"G1", 0, false}, THexCase{"F", 0, false},
                                           THexCase{"", 0, false}));

} // namespace
