#include "fixtures/FileBytes.h"
#include "fixtures/NoPermissionOverride.h"
#include "platform/FileSys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <ctime>

using namespace FileSys;

namespace {

class FileSysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A tree spelled the way Windows installs leave it.
        Make("Valve/MAPS/Crossfire.BSP", "x");
        Make("Valve/MAPS/boot_camp.bsp", "x");
        Make("Valve/MAPS/readme.TXT", "x");
        Make("Valve/MAPS/Sub.bsp/inside", "x");   // a folder named like a map
        Make("EXistence/dlls/Existence.dll", "x");
    }
    QString Make(const QString& rel, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(rel);
        EXPECT_TRUE(PutBytes(path, bytes)) << rel.toStdString();
        return path;
    }
    QByteArray Bytes(const QString& rel) const { return FileBytes(m_dir.filePath(rel)); }
    QString P(const QString& rel) const { return m_dir.path() + "/" + rel; }
    QTemporaryDir m_dir;
};

TEST_F(FileSysTest, ResolveFindsEveryComponentWithoutRegardToCase)
{
    const struct {
        const char* Asked;
        const char* OnDisk;
    } cases[] = {
        {"valve/maps/crossfire.bsp", "Valve/MAPS/Crossfire.BSP"},
        {"VALVE\\Maps\\BOOT_CAMP.bsp", "Valve/MAPS/boot_camp.bsp"},
        {"existence\\DLLS\\existence.DLL", "EXistence/dlls/Existence.dll"},
        {"Valve/maps/newfile.txt", "Valve/MAPS/newfile.txt"},   // missing tail kept as asked
        {"valve/NoDir/Deeper/x", "Valve/NoDir/Deeper/x"},
        // Dots, doubled and trailing separators, around a folder found in another case.
        {"Valve/maps/../MAPS/crossfire.bsp", "Valve/MAPS/../MAPS/Crossfire.BSP"},
        {"Valve//maps//crossfire.bsp", "Valve/MAPS/Crossfire.BSP"},
        {"valve/maps/", "Valve/MAPS/"},
        {"Valve/./maps/NoDir/x", "Valve/./MAPS/NoDir/x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Resolve(P(c.Asked)), P(c.OnDisk)) << c.Asked;
}

TEST_F(FileSysTest, ResolvePrefersTheExactNameAndSeesOurOwnChanges)
{
    Make("Valve/MAPS/crossfire.bsp", "lower");
    EXPECT_EQ(Resolve(P("Valve/MAPS/crossfire.bsp")), P("Valve/MAPS/crossfire.bsp"));
    EXPECT_EQ(Resolve(P("Valve/MAPS/Crossfire.BSP")), P("Valve/MAPS/Crossfire.BSP"));

    // Listings are reused; a delete or a new file must never leave a stale answer.
    EXPECT_EQ(Resolve(P("valve/maps/STALKYARD.bsp")), P("Valve/MAPS/STALKYARD.bsp"));
    ASSERT_TRUE(WriteLines(P("Valve/MAPS/Stalkyard.bsp"), {"x"}));
    EXPECT_EQ(Resolve(P("valve/maps/STALKYARD.bsp")), P("Valve/MAPS/Stalkyard.bsp"));
    ASSERT_TRUE(DeleteFile(P("valve/maps/stalkyard.BSP")));
    EXPECT_FALSE(FileExists(P("Valve/MAPS/Stalkyard.bsp")));
    EXPECT_EQ(Resolve(P("valve/maps/STALKYARD.bsp")), P("Valve/MAPS/STALKYARD.bsp"));
}

TEST_F(FileSysTest, NamesAddedByOthersWithinOneClockTickAreFound)
{
    // Pin the folder's time (in the future, so it counts as "just changed") around a change
    // made behind our back: the folder looks untouched by its time stamp alone.
    const QByteArray dir = QFile::encodeName(P("Valve/MAPS"));
    const timespec pinned[2] = {{time(nullptr) + 60, 0}, {time(nullptr) + 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, dir.constData(), pinned, 0), 0);
    EXPECT_EQ(Resolve(P("valve/maps/DATACORE.bsp")), P("Valve/MAPS/DATACORE.bsp"));
    Make("Valve/MAPS/Datacore.bsp", "x");
    ASSERT_EQ(utimensat(AT_FDCWD, dir.constData(), pinned, 0), 0);
    EXPECT_EQ(Resolve(P("valve/maps/DATACORE.bsp")), P("Valve/MAPS/Datacore.bsp"));
}

TEST_F(FileSysTest, ExistenceTellsFilesFromFolders)
{
    EXPECT_TRUE(FileExists(P("valve/maps/crossfire.bsp")));
    EXPECT_FALSE(FileExists(P("valve/maps/sub.bsp")));
    EXPECT_TRUE(DirectoryExists(P("valve/maps/sub.bsp")));
    EXPECT_FALSE(DirectoryExists(P("valve/maps/crossfire.bsp")));
    EXPECT_FALSE(FileExists(P("valve/maps/none.bsp")));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(DirectoryExists(QString()));
}

TEST_F(FileSysTest, ListingsMatchMasksWithoutRegardToCaseAndSkipFolders)
{
    EXPECT_EQ(ListFiles(P("VALVE/maps"), "*.bsp"), (QStringList{"boot_camp.bsp", "Crossfire.BSP"}));
    EXPECT_EQ(ListFiles(P("valve/maps")), (QStringList{"boot_camp.bsp", "Crossfire.BSP", "readme.TXT"}));
    EXPECT_EQ(ListDirs(P("valve")), QStringList{"MAPS"});
    EXPECT_TRUE(ListFiles(P("nowhere"), "*.bsp").isEmpty());
}

TEST_F(FileSysTest, ListingsTellLinksToFoldersFromLinksToFiles)
{
    // The listing takes entry types from the folder itself; a link has to be followed.
    ASSERT_EQ(symlink(QFile::encodeName(P("Valve/MAPS/boot_camp.bsp")).constData(),
                      QFile::encodeName(P("Valve/MAPS/linked.bsp")).constData()), 0);
    ASSERT_EQ(symlink(QFile::encodeName(P("Valve/MAPS/Sub.bsp")).constData(),
                      QFile::encodeName(P("Valve/MAPS/folder.bsp")).constData()), 0);
    Make("Valve/MAPS/.hidden.bsp", "x");
    EXPECT_EQ(ListFiles(P("valve/maps"), "*.bsp"),
              (QStringList{".hidden.bsp", "boot_camp.bsp", "Crossfire.BSP", "linked.bsp"}));
    QStringList unsorted = ListFilesUnsorted(P("valve/maps"), "*.BSP");
    SortInsensitive(unsorted);
    EXPECT_EQ(unsorted, ListFiles(P("valve/maps"), "*.bsp"));
    EXPECT_EQ(ListFiles(P("valve/maps"), "readme.*"), QStringList{"readme.TXT"});
}

TEST(SortInsensitiveTest, OrdersAsTheCaseInsensitiveCompare)
{
    // Names whose order a plain lower-casing or a byte compare gets wrong: "_" lies between
    // the upper- and lower-case letters, accents and Greek fold, "ς" folds to "σ", a blank or a
    // dash sorts before the dot of an extension, and a surrogate pair folds as one letter.
    QStringList names{"zoo", "Zeta", "_under", "a-b", "a", "A", "a.b", "a b", "École", "ecole",
                      "éclair", "ΣΟΦΙΑ", "σοφια", "σοφιας", "σοφιαΣ", "Straße", "STRASSE",
                      "\U00010400x", "\U00010428a", "map10", "Map9", "MAP_1", ""};
    QStringList expected = names;
    std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    for (int round = 0; round < 3; ++round) {
        std::rotate(names.begin(), names.begin() + 7, names.end());
        QStringList sorted = names;
        SortInsensitive(sorted);
        EXPECT_EQ(sorted, expected);
    }
}

TEST_F(FileSysTest, JoinAcceptsBackslashes)
{
    EXPECT_EQ(JoinPath("/hl/", "cstrike\\dlls\\mp.dll"), "/hl/cstrike/dlls/mp.dll");
    EXPECT_EQ(JoinPath("/hl", "\\valve"), "/hl/valve");
    EXPECT_EQ(JoinPath("", "a\\b"), "a/b");
    EXPECT_EQ(JoinPath("/hl", ""), "/hl");
}

TEST_F(FileSysTest, ReadLinesAcceptsEveryLineEnding)
{
    const struct {
        QByteArray Bytes;
        QStringList Lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const auto& c : cases) {
        Make("lines.txt", c.Bytes);
        QStringList lines{"stale"};
        ASSERT_TRUE(ReadLines(P("LINES.txt"), lines));
        EXPECT_EQ(lines, c.Lines) << c.Bytes.toStdString();
    }
    QStringList lines;
    QString error;
    EXPECT_FALSE(ReadLines(P("absent.txt"), lines, nullptr, &error));
    EXPECT_TRUE(error.contains("absent.txt")) << error.toStdString();
}

TEST_F(FileSysTest, AnyBytesSurviveALoadAndSaveInTheirEncoding)
{
    const QByteArray cases[] = {
        "caf\xe9 cr\xe8me\r\n\xff\xfe\r\n",             // Latin-1 / another code page
        "caf\xc3\xa9\r\n\xe2\x82\xac\r\n",              // UTF-8
        "\xef\xbb\xbf" "bom first\r\n",                 // UTF-8 with a byte order mark
    };
    for (const QByteArray& bytes : cases) {
        Make("text.cfg", bytes);
        QStringList lines;
        TEncoding encoding;
        ASSERT_TRUE(ReadLines(P("text.cfg"), lines, &encoding));
        ASSERT_TRUE(WriteLines(P("text.cfg"), lines, encoding));
        EXPECT_EQ(Bytes("text.cfg"), bytes);
    }
    // Latin-1 cannot hold the euro sign: the file becomes UTF-8 rather than losing it.
    ASSERT_TRUE(WriteLines(P("euro.txt"), {QString::fromUtf8("\xe2\x82\xac")}, TEncoding::Latin1));
    EXPECT_EQ(Bytes("euro.txt"), QByteArray("\xe2\x82\xac\r\n"));
}

TEST_F(FileSysTest, MarksAndCodePagesDecodeAndEncodeBackToTheSameBytes)
{
    const QString mark(QChar(0xFEFF));
    const struct {
        QByteArray Bytes;
        QString Text;
        TEncoding Encoding;
    } cases[] = {
        // The mark before a name typed in another code page is still no part of the text.
        {"\xef\xbb\xbf[Default]\r\nnom=Caf\xe9", QString::fromLatin1("[Default]\r\nnom=Caf\xe9"),
         TEncoding::Latin1Bom},
        // Only the first of two marks is the file's; the second is text.
        {"\xef\xbb\xbf\xef\xbb\xbfx", mark + "x", TEncoding::Utf8Bom},
        {"\xef\xbb\xbf", "", TEncoding::Utf8Bom},
        {"\xef\xbb", QString::fromLatin1("\xef\xbb"), TEncoding::Latin1},
        {QByteArray("a\0b", 3), QString("a") + QChar(0) + "b", TEncoding::Utf8},
        {"\xed\xa0\x80", QString::fromLatin1("\xed\xa0\x80"), TEncoding::Latin1},   // a lone surrogate
        {"\xc0\xaf", QString::fromLatin1("\xc0\xaf"), TEncoding::Latin1},           // overlong "/"
        {"\xf4\x90\x80\x80", QString::fromLatin1("\xf4\x90\x80\x80"), TEncoding::Latin1},
    };
    for (const auto& c : cases) {
        TEncoding encoding;
        EXPECT_EQ(Decode(c.Bytes, &encoding), c.Text) << c.Bytes.toHex().toStdString();
        EXPECT_EQ(encoding, c.Encoding) << c.Bytes.toHex().toStdString();
        EXPECT_EQ(Encode(Decode(c.Bytes, &encoding), encoding), c.Bytes) << c.Bytes.toHex().toStdString();
    }
}

TEST_F(FileSysTest, RewrittenLinesReadBackAsWritten)
{
    // Latin-1 text whose bytes happen to be valid UTF-8 ("\xc3\xa9" read in another code page)
    // would come back as other text: it is written as UTF-8 instead.
    const QStringList latin{QString::fromLatin1("caf\xc3\xa9"), "plain"};
    ASSERT_TRUE(WriteLines(P("memo.txt"), latin, TEncoding::Latin1));
    QStringList lines;
    ASSERT_TRUE(ReadLines(P("memo.txt"), lines));
    EXPECT_EQ(lines, latin);
    // Text that begins with a mark keeps it as text.
    const QStringList marked{QString(QChar(0xFEFF)) + "x"};
    for (TEncoding e : {TEncoding::Utf8, TEncoding::Latin1, TEncoding::Utf8Bom}) {
        ASSERT_TRUE(WriteLines(P("marked.txt"), marked, e));
        ASSERT_TRUE(ReadLines(P("marked.txt"), lines));
        EXPECT_EQ(lines, marked) << int(e);
    }
    // A file that stays in its code page keeps its bytes.
    ASSERT_TRUE(WriteLines(P("latin.txt"), {QString::fromLatin1("Jos\xe9")}, TEncoding::Latin1Bom));
    EXPECT_EQ(Bytes("latin.txt"), QByteArray("\xef\xbb\xbfJos\xe9\r\n"));
}

TEST_F(FileSysTest, SaveIntoReadOnlyFolderReportsAndKeepsTheOldFile)
{
    Make("locked/game.cfg", "old contents\r\n");
    const QString dir = P("locked");
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        NoPermissionOverride enforce;
        ASSERT_TRUE(enforce.Active()) << "cannot make permissions count for this test";
        QString error;
        EXPECT_FALSE(WriteLines(P("LOCKED/Game.cfg"), {"new"}, TEncoding::Utf8, &error));
        EXPECT_TRUE(error.contains("game.cfg")) << error.toStdString();
        TOutFile out;
        ASSERT_TRUE(out.Rewrite(P("locked/game.cfg")));
        out.WriteLn("new");
        EXPECT_FALSE(out.Close(&error));
        EXPECT_FALSE(CopyFile(P("valve/maps/crossfire.bsp"), P("locked/game.cfg")));

        // A read-only file in a writable folder stays as it is too.
        Make("Valve/server.cfg", "hostname x\r\n");
        QFile::setPermissions(P("Valve/server.cfg"), QFileDevice::ReadOwner);
        EXPECT_FALSE(WriteLines(P("valve/SERVER.cfg"), {"new"}, TEncoding::Utf8, &error));
        EXPECT_TRUE(error.contains("server.cfg") && error.contains("read-only")) << error.toStdString();
        EXPECT_FALSE(CopyFile(P("valve/maps/crossfire.bsp"), P("Valve/server.cfg")));
        QFile::setPermissions(P("Valve/server.cfg"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    EXPECT_EQ(Bytes("Valve/server.cfg"), QByteArray("hostname x\r\n"));
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                   | QFileDevice::ExeOwner);
    EXPECT_EQ(Bytes("locked/game.cfg"), QByteArray("old contents\r\n"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"game.cfg"});
}

TEST_F(FileSysTest, SaveKeepsTheFilesModeAndWritesThroughALink)
{
    // A server.cfg shared between installs is often a link, and a script keeps its exec bit:
    // replacing the file must not turn either into a plain new file.
    Make("Valve/shared/server.cfg", "old\r\n");
    ASSERT_TRUE(QFile::link(P("Valve/shared/server.cfg"), P("Valve/server.cfg")));
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                      | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(P("Valve/shared/server.cfg"), mode));
    ASSERT_TRUE(WriteLines(P("valve/SERVER.cfg"), {"new"}));
    EXPECT_TRUE(QFileInfo(P("Valve/server.cfg")).isSymLink());
    EXPECT_EQ(Bytes("Valve/shared/server.cfg"), QByteArray("new\r\n"));
    const auto ownerGroupOther = QFileDevice::Permissions(0xF0FF);   // "user" mirrors "owner"
    EXPECT_EQ(QFile::permissions(P("Valve/shared/server.cfg")) & ownerGroupOther, mode);
}

TEST_F(FileSysTest, ASaveLeavesNoTemporaryAndLeftoversOfAKilledRunGo)
{
    const QString folder = m_dir.path() + QStringLiteral("/saves");
    QDir().mkpath(folder);
    const QString file = folder + QStringLiteral("/store.ini");
    // What a run killed in the middle of a save left: its pid no longer runs (a child that has
    // exited and been reaped), beside a temporary of a running program that must stay.
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    int status = 0;
    waitpid(gone, &status, 0);
    const QString leftover = folder + QStringLiteral("/.store.ini.qorvane-%1.tmp").arg(gone);
    const QString other = folder + QStringLiteral("/.other.ini.qorvane-%1.tmp").arg(gone);
    const QString running = folder + QStringLiteral("/.store.ini.qorvane-%1.tmp").arg(getppid());
    // Only look like leftovers: no leading dot, a folder, another ending.
    const QString undotted = folder + QStringLiteral("/other.ini.qorvane-%1.tmp").arg(gone);
    const QString asFolder = folder + QStringLiteral("/.dir.qorvane-%1.tmp").arg(gone);
    const QString otherEnd = folder + QStringLiteral("/.other.ini.qorvane-%1.tmpx").arg(gone);
    for (const QString& f : {leftover, other, running, undotted, otherEnd})
        PutBytes(f, "half");
    QDir().mkpath(asFolder);

    ASSERT_TRUE(WriteBytes(file, "new"));
    EXPECT_EQ(FileBytes(file), QByteArray("new"));
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(other)) << "a write looks only at its own file's leftovers";
    EXPECT_TRUE(QFile::exists(running));
    RemoveStaleTemporaries(folder);
    EXPECT_FALSE(QFile::exists(other));
    EXPECT_TRUE(QFile::exists(running));
    const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(left, (QStringList{QFileInfo(asFolder).fileName(), QFileInfo(otherEnd).fileName(),
                                 QFileInfo(running).fileName(), QFileInfo(undotted).fileName(),
                                 QStringLiteral("store.ini")}));
}

TEST_F(FileSysTest, OutFileWritesCrLfAndAppendKeepsTheOldLines)
{
    TOutFile out;
    ASSERT_TRUE(out.Rewrite(P("Valve/mapcycle.txt")));
    out.WriteLn("crossfire");
    out.WriteLn();
    EXPECT_FALSE(QFile::exists(P("Valve/mapcycle.txt")));   // nothing lands before Close
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(Bytes("Valve/mapcycle.txt"), QByteArray("crossfire\r\n\r\n"));

    Make("log.txt", "first\nsecond");
    ASSERT_TRUE(out.Append(P("LOG.TXT")));
    out.WriteLn("third");
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(Bytes("log.txt"), QByteArray("first\r\nsecond\r\nthird\r\n"));

    ASSERT_TRUE(out.Rewrite(P("Valve/mapcycle.txt")));
    out.WriteLn("discarded");
    out.Discard();
    EXPECT_EQ(Bytes("Valve/mapcycle.txt"), QByteArray("crossfire\r\n\r\n"));
}

TEST_F(FileSysTest, CopyAndDelete)
{
    EXPECT_TRUE(CopyFile(P("existence/dlls/EXISTENCE.dll"), P("EXistence/backup.dll")));
    EXPECT_EQ(Bytes("EXistence/backup.dll"), QByteArray("x"));
    Make("EXistence/other.dll", "other");
    EXPECT_FALSE(CopyFile(P("EXistence/other.dll"), P("existence/BACKUP.dll"), false));
    EXPECT_EQ(Bytes("EXistence/backup.dll"), QByteArray("x"));
    EXPECT_TRUE(CopyFile(P("EXistence/other.dll"), P("existence/BACKUP.dll"), true));
    EXPECT_EQ(Bytes("EXistence/backup.dll"), QByteArray("other"));
    EXPECT_FALSE(CopyFile(P("EXistence/none.dll"), P("EXistence/x.dll")));

    EXPECT_TRUE(DeleteFile(P("EXISTENCE/Backup.DLL")));
    EXPECT_FALSE(QFile::exists(P("EXistence/backup.dll")));
    EXPECT_FALSE(DeleteFile(P("EXistence/backup.dll")));
    EXPECT_FALSE(DeleteFile(P("EXistence/dlls")));   // never a folder
    EXPECT_TRUE(MakeDirs(P("existence/maps/deep")));
    EXPECT_TRUE(QFileInfo(P("EXistence/maps/deep")).isDir());
}

} // namespace
