#include "fixtures/FakeHalfLife.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Shell, SplitParametersGroupsQuotesAndInterpretsNothingElse)
{
    const struct {
        const char* Text;
        QStringList Args;
    } cases[] = {
        {"-game cstrike +map de_dust", {"-game", "cstrike", "+map", "de_dust"}},
        {"  -console\t -dev  ", {"-console", "-dev"}},
        {"+hostname \"My Server\" -x", {"+hostname", "My Server", "-x"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\" x", {"", "x"}},
        {"; rm -rf x $HOME `id` 'q' \\n", {";", "rm", "-rf", "x", "$HOME", "`id`", "'q'", "\\n"}},
        {"\"unterminated quote", {"unterminated quote"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shell::SplitParameters(c.Text), c.Args) << c.Text;
}

TEST(Shell, StartsTheGameWithItsArgumentsAndWorkingFolderUnchanged)
{
    FakeHalfLife hl;
    ASSERT_TRUE(hl.IsValid());
    QString error;
    const QString params = "-game cstrike +hostname \"Bots and more\" \"; rm -rf x\" $(id)";
    ASSERT_TRUE(Shell::Open({"HL.EXE", params, hl.Root()}, &error)) << error.toStdString();
    ASSERT_TRUE(hl.WaitForRuns(1));
    const auto runs = hl.RecordedRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Program, "hl.exe");
    EXPECT_EQ(runs[0].WorkDir, hl.Root());
    EXPECT_EQ(runs[0].Args,
              (QStringList{"-game", "cstrike", "+hostname", "Bots and more", "; rm -rf x", "$(id)"}));
    EXPECT_FALSE(QFile::exists(hl.Path("x")));

    // An absolute path, run in another folder.
    hl.AddExe("HLKeyFr.exe");
    ASSERT_TRUE(Shell::Open({hl.Path("hlkeyfr.exe"), "", hl.Path("VALVE")}, &error));
    ASSERT_TRUE(hl.WaitForRuns(2));
    EXPECT_EQ(hl.RecordedRuns()[1].WorkDir, hl.Path("valve"));
    EXPECT_TRUE(hl.RecordedRuns()[1].Args.isEmpty());
}

TEST(Shell, WindowsProgramsRunThroughWineFromThePath)
{
    FakeHalfLife hl;
    // A Windows binary: no exec bit, no script or ELF header.
    hl.AddFile("cstrike/shopping_cart.exe", "MZ\x90");
    const QByteArray oldPath = qgetenv("PATH");
    QString error;

    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    EXPECT_FALSE(Shell::Open({"shopping_cart.exe", "", hl.Path("cstrike")}, &error));
    EXPECT_TRUE(error.startsWith("Can't start shopping_cart.exe: ")) << error.toStdString();

    // A recording "wine" on the PATH receives the program first, then its arguments.
    const QString wine = hl.AddExe("bin/wine");
    qputenv("PATH", QFileInfo(wine).absolutePath().toLocal8Bit() + ":" + oldPath);
    const bool started = Shell::Open({"Shopping_Cart.exe", "-a \"b c\"", hl.Path("cstrike")}, &error);
    qputenv("PATH", oldPath);
    ASSERT_TRUE(started) << error.toStdString();
    ASSERT_TRUE(hl.WaitForRuns(1));
    const auto run = hl.RecordedRuns()[0];
    EXPECT_EQ(run.Program, "wine");
    EXPECT_EQ(run.Args, (QStringList{hl.Path("cstrike/shopping_cart.exe"), "-a", "b c"}));
    EXPECT_EQ(run.WorkDir, hl.Path("cstrike"));
}

TEST(Shell, DocumentsOpenWithTheDesktopAndFailuresAreReported)
{
    FakeHalfLife hl;
    hl.AddFile("readme.txt", "hello");
    QStringList opened;
    bool answer = true;
    Shell::SetDocumentOpener([&](const QString& path) {
        opened << path;
        return answer;
    });
    QString error;
    EXPECT_TRUE(Shell::Open({"README.TXT", "", hl.Root()}, &error));
    EXPECT_EQ(opened, QStringList{hl.Path("readme.txt")});
    answer = false;
    EXPECT_FALSE(Shell::Open({"readme.txt", "", hl.Root()}, &error));
    EXPECT_TRUE(error.startsWith("Can't start readme.txt: ")) << error.toStdString();
    Shell::SetDocumentOpener({});

    const struct {
        Shell::TRequest Request;
        const char* Why;
    } failures[] = {
        {{"missing.exe", "", hl.Root()}, "Can't start missing.exe: the file does not exist"},
        {{"hl.exe", "", hl.Path("nowhere")}, "Can't start hl.exe: the folder"},
        {{"", "", hl.Root()}, "Can't start"},
    };
    for (const auto& f : failures) {
        error.clear();
        EXPECT_FALSE(Shell::Open(f.Request, &error)) << f.Why;
        EXPECT_TRUE(error.startsWith(f.Why)) << error.toStdString();
    }
    EXPECT_TRUE(opened.size() == 2 && hl.RecordedRuns().empty());
}

TEST(Shell, StarterReplacesTheRealStart)
{
    std::vector<Shell::TRequest> seen;
    Shell::SetStarter([&](const Shell::TRequest& r, QString*) {
        seen.push_back(r);
        return true;
    });
    EXPECT_TRUE(Shell::Open({"hl.exe", "-game valve", "/nowhere"}));
    Shell::SetStarter({});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Parameters, "-game valve");
    EXPECT_FALSE(Shell::Open({"hl.exe", "-game valve", "/nowhere"}));
}

} // namespace
