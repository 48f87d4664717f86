// SV Insta Gib's own rules on its window: the weapon lines read and written (second attack,
// next shot, the beam channels, Funny mode), the colour dialog, what Restore Default keeps, and
// SV Bot's kick line.
#include "mods/common/FromMain.h"

#include "mods/svinstagib/UFSVInstaGib.h"
#include "mods/svinstagib/USVInstaGib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace {

class SVInstaGibTest : public ::testing::Test {
protected:
    SVInstaGibTest() : Env(QStringLiteral("SVInstaGib"), QStringLiteral("svinstagib"), QStringLiteral("SV Bot"))
    {
        Env.HL.AddPlayerModel(QStringLiteral("gordon"));
        Env.Program.AddFile(QStringLiteral("Bots/SV_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFSVInstaGib> Open(const QByteArray& gameCfg)
    {
        Env.HL.AddFile(QStringLiteral("svinstagib/game.cfg"), gameCfg);
        auto* w = qobject_cast<TFSVInstaGib*>(ModTable::Find(QStringLiteral("SVInstaGib"))->Hooks.CreateWindow(nullptr));
        w->FormActivate();
        return std::unique_ptr<TFSVInstaGib>(w);
    }
    QString Line(const TModWindow& w, const char* cvar) const
    {
        for (const QString& l : ModCvars::GameCfgLines(w, USVInstaGib::Logic().Cvars()))
            if (l.startsWith(QLatin1Char('"') + QString::fromLatin1(cvar) + QLatin1Char('"')))
                return l;
        return QStringLiteral("<none>");
    }
    TModTestEnv Env;
};

TEST_F(SVInstaGibTest, WeaponLinesReadAndWriteByTheirRules)
{
    struct {
        const char* Cfg;          // game.cfg lines
        int Sa;                   // SV_sa's index after reading
        const char* SaLine;       // "sa" as written back
        const char* NextShot;
        const char* Beam;         // the swatch's colour text
        bool Funny;
    } cases[] = {
        {"\"sa\"\t\t\"2\"\r\n\"nextshot\"\t\t\"1.5\"\r\n\"gaussr\"\t\t\"255.000000\"\r\n\"funny\"\t\t\"8264\"\r\n",
         2, "\"sa\"\t\t\"2\"", "1.5", "$000000FF", true},
        {"\"sa\"\t\t\"-1\"\r\n\"gaussb\"\t\t\"16\"\r\n\"gaussg\"\t\t\"abc\"\r\n\"funny\"\t\t\"8265\"\r\n",
         -1, "\"sa\"\t\t\"-1\"", "", "$00100000", false},
        {"\"sa\"\t\t\"abc\"\r\n\"nextshot\"\t\t\"2 \"\"\r\n\"funny\"\t\t\"0\"\r\n", -1, "\"sa\"\t\t\"-1\"", "2 ",
         "$00000000", false},
        {"\"sa\"\t\t\"7\"\r\n\"sa\"\t\t\"1.0\"\r\n", -1, "\"sa\"\t\t\"-1\"", "", "$00000000", false},
    };
    for (const auto& c : cases) {
        auto w = Open(c.Cfg);
        EXPECT_EQ(w->SV_sa->currentIndex(), c.Sa) << c.Cfg;
        EXPECT_EQ(Line(*w, "sa"), QString::fromLatin1(c.SaLine)) << c.Cfg;
        EXPECT_EQ(w->SV_nextshot->text(), QString::fromLatin1(c.NextShot)) << c.Cfg;
        EXPECT_EQ(w->BeamColorText(), QString::fromLatin1(c.Beam)) << c.Cfg;
        EXPECT_EQ(w->SV_funny->isChecked(), c.Funny) << c.Cfg;
        EXPECT_EQ(Line(*w, "funny"), c.Funny ? QStringLiteral("\"funny\"\t\t\"8264\"") : QStringLiteral("<none>"));
        EXPECT_EQ(USVInstaGib::Logic().State.Modified, 0) << c.Cfg;
    }
}

TEST_F(SVInstaGibTest, FunnyModeIsReadFromTheFileAloneAndAnotherValueLeavesItAsItIs)
{
    auto w = Open("\"funny\"\t\t\"8264\"\r\n");
    ASSERT_TRUE(w->SV_funny->isChecked());
    // Read again from a file that says 0: the box shows the file, not the window's last state.
    Env.HL.AddFile(QStringLiteral("svinstagib/game.cfg"), "\"funny\"\t\t\"0\"\r\n");
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreConfClick();
    EXPECT_FALSE(w->SV_funny->isChecked());
    // A funny line read by itself never unticks.
    w->SV_funny->setChecked(true);
    USVInstaGib::Logic().ApplyGameCfgCvar(QStringLiteral("funny"), QStringLiteral("1"));
    EXPECT_TRUE(w->SV_funny->isChecked());
}

TEST_F(SVInstaGibTest, TheColourDialogSetsTheChannelsAndACancelStillCountsAsAnEdit)
{
    auto w = Open("\"gaussr\"\t\t\"255\"\r\n");
    Env.Dialogs.ExpectColor(QColor(0, 0, 255));
    w->SV_beamcolorDblClick();
    EXPECT_EQ(w->SV_gaussr->value(), 0);
    EXPECT_EQ(w->SV_gaussg->value(), 0);
    EXPECT_EQ(w->SV_gaussb->value(), 255);
    EXPECT_EQ(w->BeamColorText(), QStringLiteral("$00FF0000"));
    EXPECT_EQ(USVInstaGib::Logic().State.Modified, 1);

    w = Open("\"gaussg\"\t\t\"128\"\r\n");
    Env.Dialogs.ExpectColor(QColor(1, 2, 3), false);
    w->SV_beamcolorDblClick();
    EXPECT_EQ(USVInstaGib::Logic().State.Modified, 1);
    EXPECT_EQ(w->SV_gaussg->value(), 128);
    EXPECT_EQ(w->BeamColorText(), QStringLiteral("$00008000"));
}

TEST_F(SVInstaGibTest, EveryWeaponEditMarksModifiedAndRestoreDefaultKeepsTheWeapons)
{
    Env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    Env.HL.AddFile(QStringLiteral("svinstagib/mapcycle.txt"), "crossfire\r\n");
    auto w = Open("\"sa\"\t\t\"1\"\r\n\"headshotpoints\"\t\t\"1\"\r\n\"hook\"\t\t\"1\"\r\n\"nextshot\"\t\t\"2\"\r\n"
                  "\"gaussr\"\t\t\"10\"\r\n\"funny\"\t\t\"8264\"\r\n");
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"sa typed", [&] { TModTestEnv::Type(w->SV_sa->lineEdit(), QStringLiteral("x")); }},
        {"sa chosen", [&] { Choose(*w, QStringLiteral("SV_sa"), QStringLiteral("Off")); }},
        {"next shot", [&] { TModTestEnv::Type(w->SV_nextshot, QStringLiteral("5")); }},
        {"shoot through", [&] { w->SV_shootthroughwalls->click(); }},
    };
    for (const auto& [name, edit] : edits) {
        USVInstaGib::Logic().State.Modified = 0;
        edit();
        EXPECT_EQ(USVInstaGib::Logic().State.Modified, 1) << name;
    }
    Choose(*w, QStringLiteral("SV_sa"), QStringLiteral("Charging"));
    ASSERT_EQ(w->MapCycle->count(), 1);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDefClick();
    EXPECT_EQ(w->MapCycle->count(), 0);
    EXPECT_FALSE(w->SV_hook->isChecked());
    EXPECT_TRUE(w->SV_headshotpoints->isChecked());
    EXPECT_TRUE(w->SV_shootthroughwalls->isChecked());
    EXPECT_TRUE(w->SV_funny->isChecked());
    EXPECT_EQ(w->SV_sa->currentIndex(), 2);
    EXPECT_EQ(w->SV_nextshot->text(), QStringLiteral("25"));
    EXPECT_EQ(w->SV_gaussr->value(), 10);
}

TEST_F(SVInstaGibTest, SVBotEndsItsFileWithTheKickLine)
{
    const QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/SVInstaGib.ini")));
    Env.Program.AddFile(QStringLiteral("Mods/SVInstaGib.ini"),
                        mods + "\r\n[Other]\r\ndll=dlls\\o.dll\r\naddbot=addbot <model> <name> <skill>\r\n");
    const QByteArray one = "[Default]\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=gordon\r\nskill5=2\r\n";
    struct {
        const char* Bot;
        QByteArray Store;
        const char* Last;     // the file's last line
    } cases[] = {
        {"SV Bot", one, "kick (1)Alpha"},
        {"SV Bot", "[Default]\r\nspawnbot=0\r\n", "kick (1)"},
        {"SV Bot", "[Default]\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Al\"pha;x\r\n", "kick (1)Alphax"},
        {"Other", one, "addbot gordon Alpha 2"},
    };
    for (const auto& c : cases) {
        UInit::SelectedBot = QString::fromLatin1(c.Bot);
        Env.Program.AddFile(QStringLiteral("Bots/SV_Bots.ini"), c.Store);
        TIniFile::FlushCache();
        QString error;
        ASSERT_TRUE(USVInstaGib::Logic().WriteBotCfg(error)) << error.toStdString();
        const QList<QByteArray> lines = TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))).split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[lines.size() - 2], QByteArray(c.Last) + "\r") << c.Bot << " " << c.Store.constData();
    }
}

} // namespace
