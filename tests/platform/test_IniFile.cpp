#include "fixtures/FileBytes.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(PutBytes(path, bytes)) << name.toStdString();
        TIniFile::FlushCache();
        return path;
    }
    QByteArray Bytes(const QString& name) const { return FileBytes(m_dir.filePath(name)); }
    QTemporaryDir m_dir;
};

const QByteArray Sample =
    "; bots of the test mod\r\n"
    "top=ignored\r\n"
    "[Default]\r\n"
    "Bot=  HPB Bot  \r\n"
    "quoted=\"  padded value  \"\r\n"
    "single='x'\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "blank=   \r\n"
    "  Spaced Key   =  v  \r\n"
    "equals=a=b\r\n"
    ";commented=1\r\n"
    "bare line\r\n"
    "dup=first\r\n"
    "DUP=second\r\n"
    "number=42\r\n"
    "negative=-7\r\n"
    "hex=0x1F\r\n"
    "dollar=$10\r\n"
    "letters=12ab\r\n"
    "float=1.5\r\n"
    "huge=99999999999\r\n"
    "\r\n"
    "[ default ]\r\n"
    "Bot=second section loses\r\n"
    "late=only in the second copy\r\n"
    "[[XYZ]Clan]\r\n"
    "name=bracketed\r\n"
    "[NoKeys]\r\n"
    "; just a comment\r\n";

struct TReadCase {
    const char* Section;
    const char* Key;
    const char* Expected;
};

class IniReadTest : public IniFileTest, public ::testing::WithParamInterface<TReadCase> {};

TEST_P(IniReadTest, ReadsLikeTheWindowsProfileFunctions)
{
    const TReadCase& c = GetParam();
    TIniFile ini(Write("sample.ini", Sample));
    EXPECT_EQ(ini.ReadString(c.Section, c.Key, "<def>").toStdString(), c.Expected)
        << "[" << c.Section << "] " << c.Key;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniReadTest, ::testing::Values(
    TReadCase{"Default", "Bot", "HPB Bot"},                 // trimmed
    TReadCase{"DEFAULT", "bot", "HPB Bot"},                 // case-insensitive names
    TReadCase{"  Default ", " Bot ", "HPB Bot"},            // blanks around names ignored
    TReadCase{"Default", "quoted", "  padded value  "},     // one pair of quotes removed
    TReadCase{"Default", "single", "x"},
    TReadCase{"Default", "half", "\"open"},                 // unmatched quote stays
    TReadCase{"Default", "empty", ""},                      // present but empty
    TReadCase{"Default", "blank", ""},
    TReadCase{"Default", "spaced key", "v"},
    TReadCase{"Default", "equals", "a=b"},                  // text after the first "="
    TReadCase{"Default", "commented", "<def>"},             // comments are no keys
    TReadCase{"Default", ";commented", "<def>"},
    TReadCase{"Default", "bare line", "<def>"},
    TReadCase{"Default", "dup", "first"},                   // first key wins
    TReadCase{"Default", "late", "<def>"},                  // first section wins
    TReadCase{"Default", "missing", "<def>"},
    TReadCase{"Nowhere", "Bot", "<def>"},
    TReadCase{"", "top", "<def>"},                          // lines before any section
    TReadCase{"[XYZ]Clan", "name", "bracketed"}));

TEST_F(IniFileTest, IntegerReadsFallBackToTheDefaultUnlessWholeNumbers)
{
    TIniFile ini(Write("sample.ini", Sample));
    const struct {
        const char* Key;
        int Expected;
    } cases[] = {{"number", 42}, {"negative", -7}, {"hex", 31},     {"dollar", 16},
                 {"letters", 5}, {"float", 5},     {"huge", 5},     {"empty", 5},
                 {"missing", 5}, {"Bot", 5}};
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadInteger("Default", c.Key, 5), c.Expected) << c.Key;
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndNoSections)
{
    TIniFile ini(m_dir.filePath("absent.ini"));
    EXPECT_EQ(ini.ReadString("a", "b", "def"), "def");
    EXPECT_EQ(ini.ReadInteger("a", "b", 3), 3);
    EXPECT_FALSE(ini.SectionExists("a"));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
}

TEST_F(IniFileTest, SectionListsAndExistence)
{
    TIniFile ini(Write("sample.ini", Sample));
    EXPECT_EQ(ini.ReadSections(), (QStringList{"Default", "[XYZ]Clan", "NoKeys"}));
    EXPECT_TRUE(ini.SectionExists("default"));
    EXPECT_FALSE(ini.SectionExists("NoKeys"));   // a header alone does not make a section
    EXPECT_FALSE(ini.SectionExists("Nowhere"));
    const QStringList keys = ini.ReadSectionKeys("DEFAULT");
    EXPECT_EQ(keys.first(), "Bot");
    EXPECT_EQ(keys.filter(QRegularExpression("^dup$", QRegularExpression::CaseInsensitiveOption)).size(), 1);
    EXPECT_FALSE(keys.contains("late"));
}

TEST_F(IniFileTest, WritesChangeOnlyTheKeysLineAndKeepEveryOtherByte)
{
    // Mixed line endings, comments, a last line without an ending, odd spacing.
    const QByteArray before = "; header comment\n"
                              "[Bot1]\r\n"
                              "Name = Old\r\n"
                              "; keep me\n"
                              "skill=3\r"
                              "\r\n"
                              "[Bot2]\n"
                              "name=two";
    TIniFile ini(Write("bots.ini", before));
    ASSERT_TRUE(ini.WriteString("bot1", "NAME", "New"));
    EXPECT_EQ(Bytes("bots.ini"), QByteArray(before).replace("Name = Old", "Name = New"));

    ASSERT_TRUE(ini.WriteInteger("Bot1", "aim", 7));   // after the section's last key line
    ASSERT_TRUE(ini.WriteString("Bot2", "skill", "4"));  // the last line gains an ending
    ASSERT_TRUE(ini.WriteString("Bot3", "name", "three"));  // new section at the end
    EXPECT_EQ(Bytes("bots.ini"), QByteArray("; header comment\n"
                                            "[Bot1]\r\n"
                                            "Name = New\r\n"
                                            "; keep me\n"
                                            "skill=3\r"
                                            "aim=7\r\n"
                                            "\r\n"
                                            "[Bot2]\n"
                                            "name=two\r\n"
                                            "skill=4\r\n"
                                            "[Bot3]\r\n"
                                            "name=three\r\n"));
    EXPECT_EQ(ini.ReadString("Bot3", "name", ""), "three");
    EXPECT_EQ(ini.ReadInteger("bot1", "AIM", 0), 7);
}

TEST_F(IniFileTest, WriteCreatesTheFileAndNeverSplitsLines)
{
    TIniFile ini(m_dir.filePath("new.ini"));
    ASSERT_TRUE(ini.WriteString("Main", "Command", "a\r\n[Evil]\nx=1"));
    EXPECT_EQ(Bytes("new.ini"), QByteArray("[Main]\r\nCommand=a [Evil] x=1\r\n"));
    EXPECT_FALSE(ini.SectionExists("Evil"));
    // A key in a section that has only a header goes right under it.
    TIniFile other(Write("header.ini", "[A]\r\n\r\n[B]\r\nk=1\r\n"));
    ASSERT_TRUE(other.WriteString("a", "k", "2"));
    EXPECT_EQ(Bytes("header.ini"), QByteArray("[A]\r\nk=2\r\n\r\n[B]\r\nk=1\r\n"));
}

TEST_F(IniFileTest, EraseSectionRemovesEveryCopyAndLeavesTheRest)
{
    TIniFile ini(Write("erase.ini", "[Keep]\r\na=1\r\n[Gone]\r\nb=2\r\n; its note\r\n"
                                    "[keep2]\r\nc=3\r\n[GONE]\r\nd=4"));
    ASSERT_TRUE(ini.EraseSection("gone"));
    EXPECT_EQ(Bytes("erase.ini"), QByteArray("[Keep]\r\na=1\r\n[keep2]\r\nc=3\r\n"));
    EXPECT_FALSE(ini.SectionExists("Gone"));
    EXPECT_TRUE(ini.EraseSection("never there"));
    EXPECT_EQ(Bytes("erase.ini"), QByteArray("[Keep]\r\na=1\r\n[keep2]\r\nc=3\r\n"));
}

TEST_F(IniFileTest, NonUtf8BytesSurviveAWriteAndReadAsLatin1)
{
    // "Jos\xe9" is Latin-1, not valid UTF-8.
    const QByteArray before = "[Bots]\r\nname=Jos\xe9\r\nother=x\r\n";
    TIniFile ini(Write("latin.ini", before));
    EXPECT_EQ(ini.ReadString("Bots", "name", ""), QString::fromLatin1("Jos\xe9"));
    ASSERT_TRUE(ini.WriteString("Bots", "other", QString::fromLatin1("y\xe8")));
    EXPECT_EQ(Bytes("latin.ini"), QByteArray("[Bots]\r\nname=Jos\xe9\r\nother=y\xe8\r\n"));

    const QByteArray utf8 = "[Bots]\r\nname=Jos\xc3\xa9\r\n";
    TIniFile u(Write("utf8.ini", utf8));
    EXPECT_EQ(u.ReadString("Bots", "name", ""), QString::fromUtf8("Jos\xc3\xa9"));
    ASSERT_TRUE(u.WriteString("Bots", "more", QString::fromUtf8("\xc3\xbc")));
    EXPECT_EQ(Bytes("utf8.ini"), QByteArray("[Bots]\r\nname=Jos\xc3\xa9\r\nmore=\xc3\xbc\r\n"));

    // Notepad's byte order mark is no part of the first section's name and stays in front.
    TIniFile bom(Write("bom.ini", "\xef\xbb\xbf[Bots]\r\nname=x\r\n"));
    EXPECT_EQ(bom.ReadString("Bots", "name", ""), "x");
    ASSERT_TRUE(bom.WriteString("Bots", "name", "y"));
    EXPECT_EQ(Bytes("bom.ini"), QByteArray("\xef\xbb\xbf[Bots]\r\nname=y\r\n"));
}

TEST_F(IniFileTest, EachFileKeepsItsEncodingAndItsMarksOnEveryWrite)
{
    // A mark in front of a store with one byte of another code page: the first section is
    // still found, and a write keeps the mark and the byte.
    const QByteArray marked = "\xef\xbb\xbf[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Caf\xe9";
    TIniFile store(Write("store.ini", marked));
    EXPECT_EQ(store.ReadInteger("Default", "numbot", 0), 1);
    EXPECT_EQ(store.ReadSections(), (QStringList{"Default", "Bot 1"}));
    EXPECT_EQ(store.ReadString("Bot 1", "nom", ""), QString::fromLatin1("Caf\xe9"));
    ASSERT_TRUE(store.WriteInteger("Default", "numbot", 2));
    EXPECT_EQ(Bytes("store.ini"), QByteArray(marked).replace("numbot=1", "numbot=2"));

    // A second mark is text of the first line and stays there.
    const QByteArray twice = "\xef\xbb\xbf\xef\xbb\xbf; notes\r\n[A]\r\nk=1\r\n";
    TIniFile second(Write("twice.ini", twice));
    ASSERT_TRUE(second.WriteString("A", "k", "2"));
    EXPECT_EQ(Bytes("twice.ini"), QByteArray(twice).replace("k=1", "k=2"));

    // A value a Latin-1 file cannot hold is refused with the reason; no byte changes.
    const QByteArray latin = "[A]\r\na=caf\xe9\r\nb=x\r\n";
    TIniFile code(Write("latin.ini", latin));
    EXPECT_FALSE(code.WriteString("A", "b", QString::fromUtf8("\xe2\x82\xac")));
    EXPECT_TRUE(code.LastError().contains(QString::fromUtf8("\xe2\x82\xac"))) << code.LastError().toStdString();
    EXPECT_EQ(Bytes("latin.ini"), latin);
    ASSERT_TRUE(code.WriteString("A", "b", QString::fromLatin1("\xe8")));
    EXPECT_TRUE(code.LastError().isEmpty());
    EXPECT_EQ(Bytes("latin.ini"), QByteArray("[A]\r\na=caf\xe9\r\nb=\xe8\r\n"));

    // Removing the one byte that is not UTF-8 would make the other keys read as UTF-8: refused,
    // so the other keys read the same from the cache and after a restart.
    const QByteArray lone = "[A]\r\na=caf\xc3\xa9\r\nb=\xe9\r\n";
    TIniFile one(Write("lone.ini", lone));
    const QString before = one.ReadString("A", "a", "");
    EXPECT_EQ(before, QString::fromLatin1("caf\xc3\xa9"));
    EXPECT_FALSE(one.WriteString("A", "b", "x"));
    EXPECT_FALSE(one.LastError().isEmpty());
    EXPECT_EQ(Bytes("lone.ini"), lone);
    TIniFile::FlushCache();
    EXPECT_EQ(one.ReadString("A", "a", ""), before);
    // Without such bytes the file simply becomes plain text, read the same either way.
    TIniFile plain(Write("plain.ini", "[A]\r\na=x\r\nb=\xe9\r\n"));
    ASSERT_TRUE(plain.WriteString("A", "b", "y"));
    ASSERT_TRUE(plain.WriteString("A", "c", QString::fromUtf8("\xe2\x82\xac")));
    EXPECT_EQ(Bytes("plain.ini"), QByteArray("[A]\r\na=x\r\nb=y\r\nc=\xe2\x82\xac\r\n"));
    TIniFile::FlushCache();
    EXPECT_EQ(plain.ReadString("A", "c", ""), QString::fromUtf8("\xe2\x82\xac"));
}

TEST_F(IniFileTest, KeyNamesThatWouldReadAsSomethingElseAreRefused)
{
    const QByteArray before = "[A]\r\nk=1\r\n";
    TIniFile ini(Write("keys.ini", before));
    for (const char* key : {"a=b", ";k", "  ;k", "[B]", "=", "[x"}) {
        EXPECT_FALSE(ini.WriteString("A", key, "v")) << key;
        EXPECT_FALSE(ini.LastError().isEmpty()) << key;
    }
    EXPECT_EQ(Bytes("keys.ini"), before);
    // A name with a line break is stored on one line, and read by the same name.
    ASSERT_TRUE(ini.WriteString("Two\r\nLines", "a\nb", "v"));
    EXPECT_EQ(ini.ReadString("Two\r\nLines", "a\nb", ""), "v");
    TIniFile::FlushCache();
    EXPECT_EQ(ini.ReadString("Two\r\nLines", "a\nb", ""), "v");
    ASSERT_TRUE(ini.EraseSection("Two\r\nLines"));
    EXPECT_EQ(Bytes("keys.ini"), before);
    // Brackets and a semicolon inside a name are harmless.
    ASSERT_TRUE(ini.WriteString("A", "k[1];x", "v"));
    EXPECT_EQ(ini.ReadString("A", "K[1];X", ""), "v");
}

TEST_F(IniFileTest, PathsMatchWithoutRegardToCaseAndBackslashes)
{
    QDir(m_dir.path()).mkpath("Mods");
    Write("Mods/WizWars.ini", "[Default]\r\nBot=x\r\n");
    TIniFile ini(m_dir.path() + "\\mods\\wizwars.INI");
    EXPECT_EQ(ini.ReadString("Default", "Bot", ""), "x");
    ASSERT_TRUE(ini.WriteString("Default", "Bot", "y"));
    EXPECT_EQ(Bytes("Mods/WizWars.ini"), QByteArray("[Default]\r\nBot=y\r\n"));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("mods/wizwars.INI")));
    // Renamed behind our back: the name is looked up again, not taken from memory.
    ASSERT_TRUE(QFile::rename(m_dir.filePath("Mods/WizWars.ini"), m_dir.filePath("Mods/wizwars.ini")));
    EXPECT_EQ(ini.ReadString("Default", "Bot", ""), "y");
}

TEST_F(IniFileTest, ChangesMadeByOthersAreSeen)
{
    const QString path = Write("shared.ini", "[A]\r\nk=1\r\n");
    TIniFile ini(path);
    auto rewrite = [&](const QByteArray& bytes, const QDateTime& time) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Truncate));
        f.write(bytes);
        ASSERT_TRUE(f.flush());
        // Same size and same time stamp: what a rewrite within one clock tick looks like.
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    };
    // A time stamp in the future stays "just written" however slow the machine is.
    const QDateTime tick = QDateTime::currentDateTime().addSecs(60);
    rewrite("[A]\r\nk=1\r\n", tick);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    for (const char* value : {"2", "3"}) {
        rewrite(QByteArray("[A]\r\nk=") + value + "\r\n", tick);
        EXPECT_EQ(ini.ReadString("A", "k", ""), value);
    }
    ASSERT_TRUE(ini.WriteString("A", "k", "5"));
    rewrite("[A]\r\nk=6\r\n", QFileInfo(path).lastModified());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "6");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(ini.ReadString("A", "k", "gone"), "gone");
}

TEST_F(IniFileTest, ManySectionsReadKeyByKey)
{
    QByteArray big;
    for (int i = 0; i < 1000; ++i)
        big += "[Bot" + QByteArray::number(i) + "]\r\nname=n" + QByteArray::number(i)
               + "\r\nskill=" + QByteArray::number(i % 5) + "\r\n";
    TIniFile ini(Write("big.ini", big));
    ASSERT_EQ(ini.ReadSections().size(), 1000);
    for (int i = 0; i < 1000; i += 37) {
        EXPECT_EQ(ini.ReadString(QString("bot%1").arg(i), "NAME", ""), QString("n%1").arg(i));
        EXPECT_EQ(ini.ReadInteger(QString("Bot%1").arg(i), "skill", -1), i % 5);
    }
}

TEST_F(IniFileTest, UnwritableTargetFailsAndKeepsTheFile)
{
    // A folder stands where the file should be: nothing can be written there.
    QDir(m_dir.path()).mkpath("folder.ini");
    TIniFile ini(m_dir.filePath("folder.ini"));
    EXPECT_FALSE(ini.WriteString("A", "k", "v"));
    TIniFile nowhere(m_dir.filePath("no/such/dir/x.ini"));
    EXPECT_FALSE(nowhere.WriteString("A", "k", "v"));
    EXPECT_EQ(nowhere.ReadString("A", "k", "def"), "def");
}

// A batch keeps its changes in memory: what it reads after each change, what it refuses and the
// bytes it commits are those of the same changes written one by one to the file.
TEST_F(IniFileTest, ABatchReadsRefusesAndWritesAsSingleWritesDo)
{
    const QList<QByteArray> starts = {
        "",
        "; notes\r\n[Default]\r\nnumbot=2\r\n\r\n[Bot 1]\r\nnom=a\r\n; end of bot 1\r\n[Bot 2]\r\n[bot 1]\r\nnom=dup\r\nlast=no end",
        "[A]\r\na=caf\xc3\xa9\r\nb=\xe9\r\n[B]\nk = 'quoted'\n",
        "\xef\xbb\xbf[A]\rx=1\r[B]\r\n",
        "[Bot 3]\r\nnom=Jos\xe9\r\n",
    };
    const QStringList sections = {"Default", "Bot 1", "bot 2", "Bot 3", "B", "A", "New"};
    const QStringList keys = {"nom", "numbot", "skill", "k", "b", "a", "x"};
    const QStringList values = {"v", "", "  spaced  ", "\"q\"", QString::fromLatin1("\xe8"),
                                QString::fromUtf8("\xe2\x82\xac"), "plain", "line\r\nbreak"};
    quint32 seed = 7;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    for (int f = 0; f < starts.size(); ++f) {
        const QString single = Write(QString("single%1.ini").arg(f), starts[f]);
        const QString batched = Write(QString("batched%1.ini").arg(f), starts[f]);
        TIniFile one(single);
        TIniFile batch(batched);
        ASSERT_TRUE(batch.BeginBatch());
        for (int step = 0; step < 60; ++step) {
            const QString section = sections[next(sections.size())];
            const QString key = keys[next(keys.size())];
            const QString value = values[next(values.size())];
            SCOPED_TRACE(QString("file %1 step %2: [%3] %4=%5").arg(f).arg(step).arg(section, key, value).toStdString());
            const bool erase = next(12) == 0;
            if (erase)
                ASSERT_EQ(batch.EraseSection(section), one.EraseSection(section));
            else
                ASSERT_EQ(batch.WriteString(section, key, value), one.WriteString(section, key, value));
            TIniFile::FlushCache();
            ASSERT_EQ(batch.ReadSections(), one.ReadSections());
            for (const QString& s : one.ReadSections()) {
                ASSERT_EQ(batch.ReadSectionKeys(s), one.ReadSectionKeys(s)) << s.toStdString();
                for (const QString& k : one.ReadSectionKeys(s))
                    ASSERT_EQ(batch.ReadString(s, k, "?"), one.ReadString(s, k, "?")) << k.toStdString();
            }
        }
        ASSERT_TRUE(batch.Commit());
        EXPECT_EQ(FileBytes(batched), FileBytes(single)) << "file " << f;
    }

    // The one byte that keeps a Latin-1 file Latin-1 cannot go in a batch either; the batch
    // goes on as it was.
    const QByteArray lone = "[A]\r\na=caf\xc3\xa9\r\nb=\xe9\r\n";
    TIniFile batch(Write("lone.ini", lone));
    ASSERT_TRUE(batch.BeginBatch());
    EXPECT_FALSE(batch.WriteString("A", "b", "x"));
    EXPECT_FALSE(batch.LastError().isEmpty());
    EXPECT_EQ(batch.ReadString("A", "b", ""), QString::fromLatin1("\xe9"));
    ASSERT_TRUE(batch.WriteString("A", "c", QString::fromLatin1("\xe8")));
    EXPECT_TRUE(batch.WriteString("A", "b", "x"));   // now the new key keeps it
    ASSERT_TRUE(batch.Commit());
    EXPECT_EQ(Bytes("lone.ini"), QByteArray("[A]\r\na=caf\xc3\xa9\r\nb=x\r\nc=\xe8\r\n"));
}

} // namespace
