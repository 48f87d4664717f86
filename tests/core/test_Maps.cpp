// The Maps page routines: available list, map cycle files, list edits and map comments.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Launch.h"
#include "core/UQOR_Maps.h"
#include "core/UQOR_Settings.h"
#include "CoreTestHelpers.h"
#include "fixtures/FakeHalfLife.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"
#include "platform/FileSys.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A program folder, a Half-Life tree and the selected mod; counts how often the mod is marked
// modified. The mod table row's hooks and the globals are put back afterwards.
class MapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedApp = UInit::AppPath;
        m_savedHL = UInit::HLPath;
        m_savedExe = UInit::HLExe;
        m_savedMod = UInit::SelectedMod;
        UInit::AppPath = m_program.Root();
        UInit::HLPath = m_hl.Root();
        UInit::HLExe = QStringLiteral("hl.exe");
        Select(QStringLiteral("CStrike"));
        m_modDir = m_hl.AddMod(QStringLiteral("cstrike"));
        m_maps = m_modDir + QStringLiteral("/maps");
        m_available.setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_cycle.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    void TearDown() override {
        m_mod.Restore();
        UInit::AppPath = m_savedApp;
        UInit::HLPath = m_savedHL;
        UInit::HLExe = m_savedExe;
        UInit::SelectedMod = m_savedMod;
        TIniFile::FlushCache();
    }

    void Select(const QString& key) { m_mod.Select(key); }

    QString FirstMap() {
        QString value;
        UQOR::AccessModSetting(QStringLiteral("First Map"), QString(), QStringLiteral("Read"), value);
        return value;
    }

    ProgramFolder m_program;
    FakeHalfLife m_hl;
    QString m_modDir, m_maps;
    QListWidget m_available, m_cycle;
    TCountedMod m_mod;
    QString m_savedApp, m_savedHL, m_savedExe, m_savedMod;
};

// ---------------------------------------------------------------- map cycle files

struct TCycleCase {
    const char* Flag;
    QStringList Cycle;
    QByteArray File;
    QString FirstMap;        // expected "First Map" after the write
    QStringList ReadBack;
};

TEST_F(MapsTest, MapCycleRoundTripWithFirstMapRule) {
    for (const QString& m : {"a", "b", "c"})
        m_hl.AddMap(QStringLiteral("cstrike"), m);
    const TCycleCase cases[] = {
        {"O", {"a", "b", "c"}, "b\r\nc\r\n", "a", {"a", "b", "c"}},
        {"O", {"a"}, "", "a", {"a"}},
        // "N" leaves First Map alone (the previous case stored "a") and the caller keeps the
        // first entry itself.
        {"N", {"c", "b"}, "b\r\n", "a", {"b"}},
    };
    for (const TCycleCase& c : cases) {
        SCOPED_TRACE(c.Cycle.join(',').toStdString() + " flag " + c.Flag);
        m_cycle.clear();
        m_cycle.addItems(c.Cycle);
        QString error;
        ASSERT_TRUE(UQOR::WriteMapCycle(c.Flag, m_modDir, &m_cycle, &error)) << error.toStdString();
        EXPECT_EQ(ReadBytes(m_modDir + "/mapcycle.txt"), c.File);
        EXPECT_EQ(FirstMap(), c.FirstMap);

        m_cycle.clear();
        m_cycle.addItem(QStringLiteral("stale"));
        UInit::LoadingDone = 1;
        UQOR::ReadMapCycle(c.Flag, m_modDir, m_maps, &m_cycle);
        EXPECT_EQ(Items(m_cycle), c.ReadBack);
        EXPECT_EQ(UInit::LoadingDone, 1);
    }
}

TEST_F(MapsTest, ReadMapCycleTakesTheFirstWordAndDropsMissingMaps) {
    for (const QString& m : {"crossfire", "de_dust", "cs_office", "as_oilrig"})
        m_hl.AddMap(QStringLiteral("cstrike"), m);
    m_hl.AddFile(QStringLiteral("cstrike/MapCycle.txt"),
                 "crossfire some rules\r\n"
                 "de_dust\tmore text\r\n"
                 "gone_map\r\n"
                 "\r\n"
                 "  cs_office\n"
                 "as_oilrig");
    UQOR::ReadMapCycle(QStringLiteral("O"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle),
              (QStringList{"crossfire", "de_dust", "cs_office", "as_oilrig"}));
}

// On a case-sensitive file system the game finds a map only by its file's name: a map cycle and
// a start map typed by hand in another case are taken, and written back, as the files are named.
TEST_F(MapsTest, HandTypedMapNamesTakeTheirFilesCase) {
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("cs_assault"));
    m_hl.AddFile(QStringLiteral("cstrike/maps/De_Dust2.BSP"));
    m_program.AddFile(QStringLiteral("QOR.ini"), "[CStrike]\r\nFirst Map=CS_ASSAULT\r\n");
    TIniFile::FlushCache();
    m_hl.AddFile(QStringLiteral("cstrike/mapcycle.txt"), "de_dust2\r\nCs_Assault\r\n");
    UQOR::ReadMapCycle(QStringLiteral("O"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"cs_assault", "De_Dust2", "cs_assault"}));
    QString error;
    ASSERT_TRUE(UQOR::WriteMapCycle(QStringLiteral("O"), m_modDir, &m_cycle, &error)) << error.toStdString();
    EXPECT_EQ(ReadBytes(m_modDir + "/mapcycle.txt"), QByteArray("De_Dust2\r\ncs_assault\r\n"));
    EXPECT_EQ(FirstMap(), QStringLiteral("cs_assault"));
}

TEST_F(MapsTest, FirstMapAndCycleLinesAreReadAsTheSameFirstWord) {
    const struct {
        QString Line;
        QString Map;
    } words[] = {
        {"crossfire  // comment", "crossfire"},
        {"\vcrossfire", "crossfire"},
        {"\f\x01" "crossfire\x0bsome rules", "crossfire"},
        {QString::fromUtf8("\xc2\xa0" "crossfire\xe3\x80\x80x"), "crossfire"},
        {QString(QChar(0xFEFF)) + "crossfire", "crossfire"},
        {"  //crossfire", ""},
        {"\t \v", ""},
    };
    for (const auto& w : words)
        EXPECT_EQ(UQOR::CycleMapName(w.Line), w.Map) << w.Line.toStdString();

    // The start map stored with a comment behind it, the cycle with a vertical tab in front:
    // both give the bare map, and a save and a read keep the cycle as it was.
    for (const QString& m : {"crossfire", "de_dust"})
        m_hl.AddMap(QStringLiteral("cstrike"), m);
    m_program.AddFile(QStringLiteral("QOR.ini"), "[CStrike]\r\nFirst Map=crossfire  // comment\r\n");
    m_hl.AddFile(QStringLiteral("cstrike/mapcycle.txt"), "\vde_dust\r\n\vcrossfire\x0b//x\r\n");
    TIniFile::FlushCache();
    UQOR::ReadMapCycle(QStringLiteral("O"), m_modDir, m_maps, &m_cycle);
    const QStringList read{"crossfire", "de_dust", "crossfire"};
    EXPECT_EQ(Items(m_cycle), read);
    QString start;
    UQOR::GetStartMap(start);
    EXPECT_EQ(start, QStringLiteral("crossfire"));
    ASSERT_TRUE(UQOR::WriteMapCycle(QStringLiteral("O"), m_modDir, &m_cycle));
    UQOR::ReadMapCycle(QStringLiteral("O"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle), read);
}

TEST_F(MapsTest, AQuotedStartMapSurvivesTheSaveAndARefusedOneSaysWhy) {
    // Any name is a map of Wanted's; the profile reader would drop the quotes of "'a'".
    Select(QStringLiteral("Wantedhl"));
    m_cycle.addItems({"'a'", "b"});
    ASSERT_TRUE(UQOR::WriteMapCycle(QStringLiteral("O"), m_modDir, &m_cycle));
    UQOR::ReadMapCycle(QStringLiteral("O"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"'a'", "b"}));

    // A QOR.ini in another code page that the new start map would turn into UTF-8.
    m_program.AddFile(QStringLiteral("QOR.ini"), "[Wantedhl]\r\nFirst Map=\xff\r\nName=Caf\xc3\xa9\r\n");
    TIniFile::FlushCache();
    QString error;
    EXPECT_FALSE(UQOR::WriteMapCycle(QStringLiteral("O"), m_modDir, &m_cycle, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("code page"))) << error.toStdString();
}

TEST_F(MapsTest, ReadMapCycleSkipsCommentLinesEvenWhereAnyNameIsAMap) {
    Select(QStringLiteral("Wantedhl"));
    m_hl.AddFile(QStringLiteral("cstrike/mapcycle.txt"), "// my cycle\r\ncanyon\r\n//dusk\r\n");
    UQOR::ReadMapCycle(QStringLiteral("N"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle), QStringList{"canyon"});
}

TEST_F(MapsTest, ReadMapCycleKeepsOnlyMapsWithTheRequiredWaypointFile) {
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("a"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("b"));
    m_hl.AddFile(QStringLiteral("cstrike/wpt/A.WPT"));
    m_hl.AddFile(QStringLiteral("cstrike/mapcycle.txt"), "a\r\nb\r\n");
    UQOR::ReadMapCycle(QStringLiteral("N"), m_modDir, m_maps, &m_cycle, QStringLiteral(".wpt"),
                       m_modDir + QStringLiteral("/wpt"));
    EXPECT_EQ(Items(m_cycle), QStringList{"a"});
}

TEST_F(MapsTest, WriteMapCycleFailureIsReportedAndKeepsFirstMap) {
    m_cycle.addItems({"x", "y"});
    ASSERT_TRUE(UQOR::WriteMapCycle("O", m_modDir, &m_cycle));
    m_cycle.clear();
    m_cycle.addItems({"p", "q"});
    QString error;
    const QString missing = m_hl.Path(QStringLiteral("no/such/folder"));
    QFile blocker(m_hl.Path(QStringLiteral("no")));   // a file where a folder would have to be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(UQOR::WriteMapCycle("O", missing, &m_cycle, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("mapcycle.txt"))) << error.toStdString();
    EXPECT_EQ(FirstMap(), QStringLiteral("x"));

    // A mapcycle.txt that is a folder: the reason is given once, with the file's name once.
    ASSERT_TRUE(QFile::remove(m_modDir + QStringLiteral("/mapcycle.txt")));
    ASSERT_TRUE(QDir(m_modDir).mkpath(QStringLiteral("mapcycle.txt")));
    error.clear();
    EXPECT_FALSE(UQOR::WriteMapCycle("O", m_modDir, &m_cycle, &error));
    EXPECT_EQ(error.count(QStringLiteral("mapcycle.txt")), 1) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Can't write "))) << error.toStdString();
}

// ---------------------------------------------------------------- which maps are present

struct TPresentCase {
    const char* Mod;
    const char* Map;
    bool Present;
};

TEST_F(MapsTest, IsMapPresentHonoursStockMapsPerMod) {
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("de_dust"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("ge2_tower"));
    const TPresentCase cases[] = {
        {"CStrike", "de_dust", true},     {"CStrike", " de_dust ", true},
        {"CStrike", "de_nothere", false}, {"CStrike", "bounce", true},
        {"Opera", "bounce", true},        {"CStrike", "c2a5", false},
        {"Rocket", "c2a5", true},         {"CStrike", "op4_park", false},
        {"Op4", "op4_park", true},        {"Wantedhl", "anything_at_all", true},
        {"Wantedhl", "   ", false},       {"CStrike", "", false},
        {"CStrike", "ge2_tower", true},   {"Goldeneye", "ge2_tower", false},
        {"Goldeneye", "de_dust", true},
    };
    for (const TPresentCase& c : cases) {
        Select(c.Mod);
        EXPECT_EQ(UQOR::IsMapPresent(c.Map, m_maps), c.Present) << c.Mod << " / '" << c.Map << "'";
    }
}

TEST_F(MapsTest, MapFileExistsMatchesWithoutRegardToCase) {
    m_hl.AddFile(QStringLiteral("cstrike/wpt/De_Dust.WPT"));
    const QString folder = m_modDir + QStringLiteral("/WPT");
    EXPECT_TRUE(UQOR::MapFileExists(QStringLiteral("de_dust"), folder, QStringLiteral(".wpt")));
    EXPECT_FALSE(UQOR::MapFileExists(QStringLiteral("de_aztec"), folder, QStringLiteral(".wpt")));
    EXPECT_TRUE(UQOR::MapFileExists(QStringLiteral("de_aztec"), folder, QString()));
    Select(QStringLiteral("Goldeneye"));
    EXPECT_FALSE(UQOR::MapFileExists(QStringLiteral("ge3_x"), folder, QString()));
}

// ---------------------------------------------------------------- the available list

TEST_F(MapsTest, ListMapsMarksWaypointsAndConfigsAndSortsWithoutCase) {
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("Boot_Camp"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("zoo"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("Alpha"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("beta"));
    m_hl.AddFile(QStringLiteral("cstrike/maps/readme.txt"));
    m_hl.AddFile(QStringLiteral("cstrike/wpt/boot_camp.WPT"));
    m_hl.AddFile(QStringLiteral("cstrike/wpt/zoo.wpt"));
    m_hl.AddFile(QStringLiteral("cstrike/cfg/BOOT_CAMP.cfg"));
    m_hl.AddFile(QStringLiteral("cstrike/cfg/beta.cfg"));
    QLabel legend;
    for (int pass = 0; pass < 2; ++pass) {   // a reload gives the same list and legend
        UInit::ListMaps(&m_available, m_maps, &legend, m_modDir + "/cfg", ".cfg", ".wpt",
                        m_modDir + "/wpt");
        EXPECT_EQ(Items(m_available),
                  (QStringList{"Alpha ", "beta +", "Boot_Camp *+", "zoo *"}));
        EXPECT_EQ(legend.text(), QStringLiteral("* Waypoints\r\n+ Self config"));
    }
    // Only the waypoint marker: the legend loses the config line.
    UInit::ListMaps(&m_available, m_maps, &legend, QString(), QString(), ".wpt", m_modDir + "/wpt");
    EXPECT_EQ(legend.text(), QStringLiteral("* Waypoints\r\n"));

    // Adding the marked entry gives the bare name, twice when added twice.
    m_available.item(2)->setSelected(true);
    UQOR::AddSelectedMaps(&m_available, &m_cycle);
    UQOR::AddSelectedMaps(&m_available, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"Boot_Camp", "Boot_Camp"}));
    EXPECT_TRUE(m_available.item(2)->isSelected());
    EXPECT_EQ(m_mod.Marks, 2);
}

TEST_F(MapsTest, ListMapsFindsMarkersBesideTheMapsAndSortsTheEntries) {
    // Waypoints and configurations in the maps folder itself, as many bots keep them; the
    // entries sort with their markers ("a " before "a-b ", though "a-b.bsp" lists first).
    for (const char* map : {"a-b", "a", "Über", "under", "_x", "Zulu"})
        m_hl.AddMap(QStringLiteral("cstrike"), QString::fromUtf8(map));
    m_hl.AddFile(QStringLiteral("cstrike/maps/A.WPT"));
    m_hl.AddFile(QStringLiteral("cstrike/maps/a-b.Cfg"));
    m_hl.AddFile(QString::fromUtf8("cstrike/maps/über.wpt"));
    m_hl.AddFile(QString::fromUtf8("cstrike/maps/über.cfg"));
    m_hl.AddFile(QStringLiteral("cstrike/maps/zulu.wpt.cfg"));   // neither marker
    m_hl.AddFile(QStringLiteral("cstrike/maps/under.bsp.wpt"));  // neither marker
    UInit::ListMaps(&m_available, m_maps, nullptr, m_maps, ".cfg", ".wpt", m_maps);
    // "Über" is not offered: the game's map-cycle reader cannot read its name.
    EXPECT_EQ(Items(m_available), (QStringList{"_x ", "a *", "a-b +", "under ", "Zulu "}));
}

TEST_F(MapsTest, MapsTheGameCannotReadAreNotOfferedAndAStoredCycleSaysWhichWentMissing) {
    const QString longName(32, QLatin1Char('l'));
    for (const QString& map : {QStringLiteral("fine"), QStringLiteral("my map"), QString::fromUtf8("caf\xC3\xA9"),
                               longName, QString(31, QLatin1Char('k'))})
        m_hl.AddMap(QStringLiteral("cstrike"), map);
    UInit::ListMaps(&m_available, m_maps, nullptr);
    EXPECT_EQ(Items(m_available), (QStringList{"fine ", QString(31, QLatin1Char('k')) + " "}));
    for (const QString& map : {QStringLiteral("my"), QString::fromUtf8("caf\xC3\xA9"), longName})
        EXPECT_FALSE(UQOR::IsMapPresent(map, m_maps)) << map.toStdString();

    m_hl.AddFile(QStringLiteral("cstrike/mapcycle.txt"),
                 QByteArray("fine\r\ncaf\xC3\xA9\r\n") + longName.toLatin1() + "\r\n");
    ScriptedDialogs dialogs;
    UQOR::ReadMapCycle(QStringLiteral("N"), m_modDir, m_maps, &m_cycle);
    EXPECT_EQ(Items(m_cycle), QStringList{"fine"});
    const QStringList warnings = dialogs.Texts(Dialogs::TKind::Warning);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QString::fromUtf8("\r\ncaf\xC3\xA9\r\n") + longName));
}

TEST_F(MapsTest, ListMapsWithRequiredExtensionListsOnlyMapsWithThatFile) {
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("a"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("b"));
    m_hl.AddFile(QStringLiteral("cstrike/wpt/b.pwf"));
    UInit::ListMaps(&m_available, m_maps, nullptr, QString(), QString(), QString(),
                    m_modDir + "/wpt", ".pwf");
    EXPECT_EQ(Items(m_available), QStringList{"b "});
}

TEST_F(MapsTest, StockMapsAreListedForDeathmatchButNotWithCounterStrikeRetail) {
    const QString valveMaps = m_hl.Path(QStringLiteral("valve/maps"));
    m_hl.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    m_hl.AddMap(QStringLiteral("valve"), QStringLiteral("bounce"));   // also a stock map: once
    Select(QStringLiteral("Deathmatch"));
    UInit::ListMaps(&m_available, valveMaps, nullptr);
    QStringList expected{"crossfire "};
    for (const QString& m : UQOR::DeathmatchStockMaps())
        expected << m + " ";
    std::sort(expected.begin(), expected.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(Items(m_available), expected);

    Select(QStringLiteral("Rocket"));
    UInit::ListMaps(&m_available, valveMaps, nullptr);
    EXPECT_EQ(m_available.count(), 1 + 8 + 8);
    EXPECT_TRUE(Items(m_available).contains("c2a5 "));

    UInit::HLExe = QStringLiteral("cstrike.exe");
    Select(QStringLiteral("Deathmatch"));
    UInit::ListMaps(&m_available, valveMaps, nullptr);
    EXPECT_EQ(Items(m_available), (QStringList{"bounce ", "crossfire "}));
    EXPECT_TRUE(UQOR::IsMapPresent(QStringLiteral("stalkyard"), valveMaps));
}

TEST_F(MapsTest, WantedKeepsItsFixedEntriesWithoutDoubling) {
    Select(QStringLiteral("Wantedhl"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("canyon"));
    m_hl.AddMap(QStringLiteral("cstrike"), QStringLiteral("dusk"));
    m_available.addItems({"canyon *", "wanted *"});
    for (int pass = 0; pass < 2; ++pass)
        UInit::ListMaps(&m_available, m_maps, nullptr, QString(), QString(), ".nav", m_maps);
    EXPECT_EQ(Items(m_available), (QStringList{"canyon *", "dusk ", "wanted *"}));
}

TEST_F(MapsTest, GoldeneyeNeverListsItsSinglePlayerMaps) {
    Select(QStringLiteral("Goldeneye"));
    for (const QString& m : {"ge2_tower", "GE3_dam", "ge1_caves", "temple"})
        m_hl.AddMap(QStringLiteral("cstrike"), m);
    UInit::ListMaps(&m_available, m_maps, nullptr);
    EXPECT_EQ(Items(m_available), (QStringList{"ge1_caves ", "temple "}));
}

// ---------------------------------------------------------------- list edits

TEST_F(MapsTest, AddAllMapsAppendsBareNamesAndLeavesNoFocus) {
    m_available.addItems({"a *", "b +", "c *+"});
    m_available.setCurrentRow(1);
    m_cycle.addItem(QStringLiteral("z"));
    UQOR::AddAllMaps(&m_available, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"z", "a", "b", "c"}));
    EXPECT_EQ(m_available.currentRow(), -1);
    EXPECT_EQ(m_mod.Marks, 1);
}

TEST_F(MapsTest, DeleteSelectedMapsFocusesTheFollowingEntry) {
    struct TCase {
        QStringList Items;
        QList<int> Selected;
        QStringList Left;
        int Focus;
    };
    const TCase cases[] = {
        {{"a", "b", "c", "d"}, {1}, {"a", "c", "d"}, 1},
        {{"a", "b", "c", "d"}, {1, 2}, {"a", "d"}, 1},
        {{"a", "b", "c"}, {2}, {"a", "b"}, 1},
        {{"a", "b", "c", "d", "e"}, {0, 2, 3}, {"b", "e"}, 1},   // two runs
        {{"a", "b", "c"}, {0, 1, 2}, {}, -1},   // fully selected: empty, nothing selected
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Items.join(',').toStdString());
        m_cycle.clear();
        m_cycle.addItems(c.Items);
        for (int r : c.Selected)
            m_cycle.item(r)->setSelected(true);
        UQOR::DeleteSelectedMaps(&m_cycle);
        EXPECT_EQ(Items(m_cycle), c.Left);
        EXPECT_EQ(m_cycle.currentRow(), c.Focus);
        EXPECT_EQ(SelectedRows(m_cycle), c.Focus < 0 ? QList<int>{} : QList<int>{c.Focus});
    }
    UQOR::DeleteAllMaps(&m_cycle);   // already empty: no error
    m_cycle.addItems({"a", "b"});
    UQOR::DeleteAllMaps(&m_cycle);
    EXPECT_EQ(m_cycle.count(), 0);
}

TEST_F(MapsTest, MoveListItemStopsAtTheEndsWithoutMarking) {
    m_cycle.addItems({"a", "b", "c"});
    m_cycle.setCurrentRow(0);
    UQOR::MoveListItem(-1, &m_cycle);
    m_cycle.setCurrentRow(2);
    UQOR::MoveListItem(+1, &m_cycle);
    m_cycle.setCurrentRow(-1);
    UQOR::MoveListItem(+1, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(m_mod.Marks, 0);

    m_cycle.setCurrentRow(0);
    m_cycle.item(2)->setSelected(true);
    UQOR::MoveListItem(+1, &m_cycle);
    EXPECT_EQ(Items(m_cycle), (QStringList{"b", "a", "c"}));
    EXPECT_EQ(m_cycle.currentRow(), 1);
    EXPECT_EQ(SelectedRows(m_cycle), QList<int>{1});
    EXPECT_EQ(m_mod.Marks, 1);
}

TEST_F(MapsTest, ShuffleKeepsTheMapsAndReachesEveryOrder) {
    QSet<QString> orders;
    for (int i = 0; i < 600; ++i) {
        m_cycle.clear();
        m_cycle.addItems({"a", "b", "c"});
        UQOR::ShuffleMapCycle(&m_cycle);
        QStringList got = Items(m_cycle);
        orders.insert(got.join(','));
        std::sort(got.begin(), got.end());
        ASSERT_EQ(got, (QStringList{"a", "b", "c"}));
    }
    EXPECT_EQ(orders.size(), 6);
    EXPECT_EQ(m_mod.Marks, 600);
}

// ---------------------------------------------------------------- comments and map configs

TEST_F(MapsTest, MapCommentsStoreLineBreaksAsCodes) {
    m_available.addItems({"de_dust *+", "cs_office "});
    m_available.setCurrentRow(0);
    QString result;
    ASSERT_TRUE(UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", result,
                                       "First line\r\nSecond line"));
    const QString file = m_program.Path(QStringLiteral("Maps/CS_mapcom.ini"));
    EXPECT_EQ(TIniFile(file).ReadString("de_dust", "comment", "?"),
              QStringLiteral("First line#13#10Second line"));
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Read", result);
    EXPECT_EQ(result, QStringLiteral("First line\r\nSecond line"));

    // The memo: its LF line breaks are stored as the pair and come back as lines.
    QPlainTextEdit memo;
    m_available.setCurrentRow(1);
    memo.setPlainText(QStringLiteral("one\ntwo"));
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", &memo);
    memo.clear();
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Read", &memo);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(TIniFile(file).ReadString("cs_office", "comment", "?"), QStringLiteral("one#13#10two"));
}

TEST_F(MapsTest, MapCommentsComeBackAsTyped) {
    m_available.addItems({"de_dust "});
    m_available.setCurrentRow(0);
    for (const QString typed : {QStringLiteral("plain words"), QStringLiteral("\"Best map\""),
                                QStringLiteral("'ok'"), QStringLiteral("  indented"),
                                QStringLiteral("ends in a blank "), QStringLiteral("a = b ; c")}) {
        QString result;
        ASSERT_TRUE(UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", result, typed));
        UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Read", result);
        EXPECT_EQ(result, typed);
    }
}

TEST_F(MapsTest, DecodeLeavesLoneCodesAsText) {
    EXPECT_EQ(UQOR::DecodeMapComment("ends with#13"), QStringLiteral("ends with#13"));
    EXPECT_EQ(UQOR::DecodeMapComment("#10#13#10x#13#1"), QStringLiteral("#10\r\nx#13#1"));
    EXPECT_EQ(UQOR::EncodeMapComment("a\rb\nc"), QStringLiteral("a#13b#10c"));
}

TEST_F(MapsTest, NoFocusedMapReadsAndWritesNothing) {
    m_available.addItems({"de_dust "});
    m_available.setCurrentRow(-1);
    QPlainTextEdit memo;
    memo.setPlainText(QStringLiteral("typed"));
    EXPECT_TRUE(UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", &memo));
    EXPECT_FALSE(FileSys::FileExists(m_program.Path(QStringLiteral("Maps/CS_mapcom.ini"))));
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Read", &memo);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("typed"));
}

TEST_F(MapsTest, AnEditedCommentStaysWithItsMapWhenTheFocusMoves) {
    m_available.addItems({"a ", "b ", "c "});
    const QString file = m_program.Path(QStringLiteral("Maps/CS_mapcom.ini"));
    m_program.AddFile(QStringLiteral("Maps/CS_mapcom.ini"), "[a]\r\ncomment=first\r\n");
    QPlainTextEdit memo;
    m_available.setCurrentRow(0);
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Read", &memo);
    ASSERT_EQ(memo.toPlainText(), QStringLiteral("first"));

    // "Add all" leaves no map focused while the memo still shows a's comment: unedited, nothing
    // is written; edited, the text goes to a.
    UQOR::AddAllMaps(&m_available, &m_cycle);
    const QByteArray before = ReadBytes(file);
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", &memo);
    EXPECT_EQ(ReadBytes(file), before);
    memo.moveCursor(QTextCursor::End);
    memo.insertPlainText(QStringLiteral(" and more"));
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", &memo);
    EXPECT_EQ(TIniFile(file).ReadString("a", "comment", "?"), QStringLiteral("first and more"));

    // Another map focused by the program: a's edit does not become b's comment.
    m_available.setCurrentRow(1);
    memo.insertPlainText(QStringLiteral("!"));
    UQOR::AccessMapComment(&m_available, "CS_mapcom.ini", "Write", &memo);
    EXPECT_EQ(TIniFile(file).ReadString("a", "comment", "?"), QStringLiteral("first and more!"));
    EXPECT_EQ(TIniFile(file).ReadString("b", "comment", "?"), QStringLiteral("?"));
}

TEST_F(MapsTest, MapCfgPathUsesTheFirstSelectedMapWithoutMarkers) {
    m_available.addItems({"a *", "b *+", "c +"});
    EXPECT_EQ(UQOR::MapCfgPath(&m_available, m_modDir + "\\maps\\", ".cfg"), QString());
    m_available.item(2)->setSelected(true);
    m_available.item(1)->setSelected(true);
    m_hl.AddFile(QStringLiteral("cstrike/maps/B.CFG"));
    EXPECT_EQ(UQOR::MapCfgPath(&m_available, m_modDir + "\\maps\\", ".cfg"),
              m_modDir + QStringLiteral("/maps/B.CFG"));
}

} // namespace
