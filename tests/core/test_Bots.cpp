// The Bots page routines: bot records and their list, the editor's stores, model stepping,
// pictures, random names and numbers, team lists and model choosers.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Bots.h"
#include "CoreTestHelpers.h"
#include "fixtures/FakeHalfLife.h"
#include "fixtures/ProgramFolder.h"
#include "platform/FileSys.h"
#include "ui/NumberEdit.h"
#include "ui/UPreview.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <memory>

namespace {

TBot Bot(const QString& name, const QString& model = QString(), const QString& team = QString()) {
    TBot b;
    b[0] = name;
    b[1] = model;
    b[3] = team;
    return b;
}

// A small one-colour JPEG, so a test can tell which picture a control shows.
QByteArray JpegOf(const QColor& colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

class BotsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = {UInit::AppPath, UInit::HLPath, UInit::PlayerModelsDir, UInit::SelectedMod};
        m_savedModels = UInit::ModelList;
        m_savedLoading = UInit::LoadingDone;
        UInit::AppPath = m_program.Root();
        UInit::HLPath = m_hl.Root();
        UInit::PlayerModelsDir = m_hl.Path(QStringLiteral("valve/models/player"));
        UInit::LoadingDone = 1;
        m_list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        Select(QStringLiteral("Opera"));
    }
    void TearDown() override {
        m_mod.Restore();
        UInit::AppPath = m_saved[0];
        UInit::HLPath = m_saved[1];
        UInit::PlayerModelsDir = m_saved[2];
        UInit::SelectedMod = m_saved[3];
        UInit::ModelList = m_savedModels;
        UInit::LoadingDone = m_savedLoading;
        UPreview::ClosePreview();
    }

    void Select(const QString& key) { m_mod.Select(key); }

    // Fills the list and the array with named bots, none selected.
    void Fill(const QVector<TBot>& bots) {
        m_bots = bots;
        m_count = static_cast<int>(bots.size());
        m_list.clear();
        for (const TBot& b : bots)
            m_list.addItem(b[0]);
    }
    QStringList Names(int count) const {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << m_bots[i][0];
        return out;
    }
    void WriteBotNames(const QByteArray& bytes) {
        m_program.AddFile(QStringLiteral("bot_names.txt"), bytes);
    }

    ProgramFolder m_program;
    FakeHalfLife m_hl;
    QListWidget m_list;
    QVector<TBot> m_bots;
    int m_count = 0;
    TCountedMod m_mod;
    QStringList m_saved, m_savedModels;
    int m_savedLoading = 1;
};

// ---------------------------------------------------------------- records and the list

TEST_F(BotsTest, AddBotRecordSelectsOnlyTheNewEntry) {
    UQOR::AddBotRecord(m_count, m_bots, "Alpha", "gordon", "3", "p1", "p2", &m_list);
    EXPECT_EQ(m_count, 1);
    ASSERT_GE(m_bots.size(), 1);
    EXPECT_EQ(QStringList(m_bots[0].s.begin(), m_bots[0].s.begin() + 5),
              (QStringList{"Alpha", "gordon", "3", "p1", "p2"}));
    EXPECT_EQ(Items(m_list), QStringList{"Alpha"});
    EXPECT_EQ(m_list.currentRow(), 0);

    m_list.item(0)->setSelected(true);
    m_bots.resize(m_count + 1);
    UQOR::AddBotRecord(m_count, m_bots, "Beta", "", "1", "", "", &m_list);
    EXPECT_EQ(m_count, 2);
    EXPECT_EQ(m_list.currentRow(), 1);
    EXPECT_EQ(SelectedRows(m_list), QList<int>{1});
    EXPECT_EQ(m_mod.Marks, 2);
}

TEST_F(BotsTest, DeleteSelectedBotsCompactsTheRecords) {
    struct TCase {
        QList<int> Selected;
        QStringList Left;
        int Focus;
    };
    const TCase cases[] = {
        {{1}, {"one", "three"}, 1},
        {{0, 2}, {"two"}, 0},
        {{2}, {"one", "two"}, 1},
        {{0, 1, 2}, {}, -1},
    };
    for (const TCase& c : cases) {
        Fill({Bot("one"), Bot("two"), Bot("three")});
        for (int r : c.Selected)
            m_list.item(r)->setSelected(true);
        UQOR::DeleteSelectedBots(m_count, m_bots, &m_list);
        EXPECT_EQ(m_count, c.Left.size());
        EXPECT_EQ(Names(m_count), c.Left);
        EXPECT_EQ(Items(m_list), c.Left);
        EXPECT_EQ(m_list.currentRow(), c.Focus);
        EXPECT_EQ(SelectedRows(m_list), c.Focus < 0 ? QList<int>{} : QList<int>{c.Focus});
    }
}

TEST_F(BotsTest, MoveBotMovesRecordAndEntryButNotPastTheEnds) {
    Fill({Bot("one"), Bot("two"), Bot("three")});
    m_list.setCurrentRow(0);
    UQOR::MoveBot(-1, &m_list, m_bots);
    m_list.setCurrentRow(2);
    UQOR::MoveBot(+1, &m_list, m_bots);
    EXPECT_EQ(Names(3), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(m_mod.Marks, 0);

    m_list.setCurrentRow(2);
    m_list.item(0)->setSelected(true);
    UQOR::MoveBot(-1, &m_list, m_bots);
    EXPECT_EQ(Names(3), (QStringList{"one", "three", "two"}));
    EXPECT_EQ(Items(m_list), (QStringList{"one", "three", "two"}));
    EXPECT_EQ(m_list.currentRow(), 1);
    EXPECT_EQ(SelectedRows(m_list), QList<int>{1});
    EXPECT_GE(m_mod.Marks, 1);

    // A list entry without its record stays where it is, and so does the entry beside it.
    m_bots.resize(2);
    m_list.setCurrentRow(1);
    UQOR::MoveBot(+1, &m_list, m_bots);
    EXPECT_EQ(Items(m_list), (QStringList{"one", "three", "two"}));
}

TEST_F(BotsTest, RocketSwapsThroughItsOwnHook) {
    Select(QStringLiteral("Rocket"));
    QVector<QPair<int, int>> swaps;
    m_mod.Row->Hooks.SwapBots = [&](int a, int b) { swaps.append({a, b}); };
    Fill({Bot("one"), Bot("two"), Bot("three")});
    m_mod.Row->RocBots.resize(3);
    m_list.setCurrentRow(0);
    UQOR::MoveBot(+1, &m_list, m_bots);
    EXPECT_EQ(swaps, (QVector<QPair<int, int>>{{0, 1}}));
    EXPECT_EQ(Names(3), (QStringList{"one", "two", "three"}));   // the TBot array is not Rocket's

    // Without the hook the core exchanges the Rocket records itself.
    m_mod.Row->Hooks.SwapBots = nullptr;
    for (int i = 0; i < 3; ++i)
        m_mod.Row->RocBots[i][0] = Items(m_list)[i];
    m_list.clearSelection();
    m_list.item(0)->setSelected(true);
    UQOR::DeleteSelectedBots(m_count, m_bots, &m_list);
    EXPECT_EQ(m_mod.Row->RocBots[0][0], QStringLiteral("one"));
    EXPECT_EQ(m_mod.Row->RocBots[1][0], QStringLiteral("three"));
    EXPECT_EQ(m_mod.Row->RocBots[2][0], QStringLiteral("two"));   // the deleted one, behind the rest
}

// ---------------------------------------------------------------- the editor's stores

TEST_F(BotsTest, EditorStoresOnlyWhenLoadedAndFocused) {
    Fill({Bot("one"), Bot("two")});
    QLineEdit name;
    QSlider skill;
    skill.setRange(0, 5);
    skill.setValue(4);

    m_list.setCurrentRow(-1);
    name.setText(QStringLiteral("X"));
    UQOR::SetBotName(&m_list, &name, m_bots);
    UQOR::SetBotSkill(&m_list, m_bots, &skill);
    m_list.setCurrentRow(1);
    UInit::LoadingDone = 0;
    UQOR::SetBotName(&m_list, &name, m_bots);
    UQOR::SetBotParam1(&m_list, m_bots, "team");
    UInit::LoadingDone = 1;
    name.clear();
    UQOR::SetBotName(&m_list, &name, m_bots);
    EXPECT_EQ(Names(2), (QStringList{"one", "two"}));
    EXPECT_EQ(m_bots[1][3], QString());
    EXPECT_EQ(m_mod.Marks, 0);

    name.setText(QStringLiteral("Renamed"));
    UQOR::SetBotName(&m_list, &name, m_bots);
    UQOR::SetBotSkill(&m_list, m_bots, &skill);
    UQOR::SetBotParam1(&m_list, m_bots, "2");
    UQOR::SetBotParam2(&m_list, m_bots, "weapon");
    EXPECT_EQ(m_list.item(1)->text(), QStringLiteral("Renamed"));
    EXPECT_EQ(QStringList(m_bots[1].s.begin(), m_bots[1].s.begin() + 5),
              (QStringList{"Renamed", "", "4", "2", "weapon"}));
    EXPECT_EQ(m_mod.Marks, 4);
}

struct TStepCase {
    const char* Mod;
    int Start;
    const char* Mode;
    const char* Slot1;   // expected model slot
    bool Marked;
};

TEST_F(BotsTest, StepBotModelStoresNumbersOrNamesPerMod) {
    const TStepCase cases[] = {
        {"CStrike", 0, "All", "0", true},   {"CStrike", 0, "Next", "1", true},
        {"TFC", 0, "All", "1", true},       {"Wizwars", 1, "Next", "3", true},
        {"Opera", 1, "Prev", "gina", true}, {"Opera", 0, "Prev", "old", false},
        {"Opera", 2, "Next", "old", false}, {"Opera", -1, "Next", "gina", true},
    };
    for (const TStepCase& c : cases) {
        SCOPED_TRACE(std::string(c.Mod) + " " + c.Mode + " from " + std::to_string(c.Start));
        Select(c.Mod);
        m_mod.Marks = 0;
        Fill({Bot("one", "old", "1")});
        m_list.setCurrentRow(0);
        QComboBox chooser;
        chooser.addItems({"gina", "gordon", "helmet"});
        chooser.setCurrentIndex(c.Start);
        int emitted = 0;
        QObject::connect(&chooser, &QComboBox::currentIndexChanged, [&] { ++emitted; });
        QLabel picture;
        UQOR::StepBotModel(c.Mode, &m_list, &chooser, &picture, m_bots);
        EXPECT_EQ(m_bots[0][1], QString::fromLatin1(c.Slot1));
        EXPECT_EQ(m_mod.Marks, c.Marked ? 1 : 0);
        EXPECT_EQ(emitted, 0);
    }
}

TEST_F(BotsTest, StepBotModelIntoAnotherSlotStoresTheIndex) {
    // A capture-the-flag model: the chooser's index from 0, whatever the mod stores in slot 1.
    Select(QStringLiteral("Opera"));
    Fill({Bot("one", "gordon")});
    m_list.setCurrentRow(0);
    QComboBox ctf;
    ctf.addItems({"a", "b", "c"});
    ctf.setCurrentIndex(1);
    UQOR::StepBotModel("Next", &m_list, &ctf, nullptr, m_bots, 4);
    EXPECT_EQ(m_bots[0][4], QStringLiteral("2"));
    EXPECT_EQ(m_bots[0][1], QStringLiteral("gordon"));
}

// ---------------------------------------------------------------- pictures

TEST_F(BotsTest, PicturePathPrefersBmpThenJpgThenNopic) {
    Select(QStringLiteral("CStrike"));
    m_program.AddFile(QStringLiteral("models/cs/2_3.jpg"), JpegOf(Qt::red));
    m_program.AddFile(QStringLiteral("models/nopic.jpg"), JpegOf(Qt::blue));
    EXPECT_EQ(UQOR::GetModelPicturePath("2_3"), m_program.Path("models/cs/2_3.jpg"));
    // The program ships pictures for the stock sides; a model beyond them falls back.
    EXPECT_EQ(UQOR::GetModelPicturePath("1_9"), m_program.Path("models/nopic.jpg"));

    // The team mods name the picture "<team>_<model>" when the model steps.
    Fill({Bot("one", "0", "2")});
    m_list.setCurrentRow(0);
    QComboBox chooser;
    chooser.addItems({"a", "b", "c", "d"});
    chooser.setCurrentIndex(2);
    QLabel picture;
    UQOR::StepBotModel("Next", &m_list, &chooser, &picture, m_bots);
    EXPECT_EQ(m_bots[0][1], QStringLiteral("3"));
    const QColor shown = picture.pixmap().toImage().pixelColor(4, 4);
    EXPECT_GT(shown.red(), 200) << "the picture of side 2, model 3";
    EXPECT_LT(shown.blue(), 60);

    Select(QStringLiteral("Opera"));
    m_program.AddFile(QStringLiteral("models/gordon.jpg"), "jpg");
    EXPECT_EQ(UQOR::GetModelPicturePath("gordon"), m_program.Path("models/gordon.jpg"));
    m_mod.Row->Dir = m_hl.AddMod(QStringLiteral("opera"));
    m_hl.AddFile(QStringLiteral("opera/models/player/gordon/gordon.bmp"), "bmp");
    EXPECT_EQ(UQOR::GetModelPicturePath("gordon"), m_hl.Path("opera/models/player/gordon/gordon.bmp"));

    Select(QStringLiteral("SVInstaGib"));   // Half-Life's own player models
    m_hl.AddFile(QStringLiteral("valve/models/player/gordon/gordon.bmp"), "bmp");
    EXPECT_EQ(UQOR::GetModelPicturePath("gordon"), m_hl.Path("valve/models/player/gordon/gordon.bmp"));
}

// ---------------------------------------------------------------- random names and numbers

TEST_F(BotsTest, PickRandomBotNamePrefersUnusedNames) {
    WriteBotNames("Alpha\r\nBravo\r\nCharlie\r\n");
    Fill({Bot("Alpha"), Bot(" Bravo ")});
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(UQOR::PickRandomBotName(&m_list), QStringLiteral("Charlie"));

    Fill({Bot("Alpha"), Bot("Bravo"), Bot("Charlie")});
    const QString dup = UQOR::PickRandomBotName(&m_list);
    EXPECT_TRUE(QStringList({"Alpha", "Bravo", "Charlie"}).contains(dup)) << dup.toStdString();

    WriteBotNames("");
    EXPECT_EQ(UQOR::PickRandomBotName(&m_list), QStringLiteral("NewBot"));
}

TEST_F(BotsTest, RandomInRangeStaysWithinItsBounds) {
    EXPECT_EQ(UQOR::RandomInRange(3, 1), 3);
    EXPECT_EQ(UQOR::RandomInRange(0, -1), 0);
    EXPECT_EQ(UQOR::RandomInRange(7, 7), 7);
    QSet<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int r = UQOR::RandomInRange(1, 5);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 5);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 5);
}

// ---------------------------------------------------------------- teams and model choosers

TEST_F(BotsTest, ModelChoosersAreReplacedNotAppended) {
    UInit::ModelList = QStringList{"barney", " ", "gordon"};
    EXPECT_EQ(UInit::PlayerModelNames(), (QStringList{"barney", "gordon"}));
    QComboBox botModel;
    botModel.addItem(QStringLiteral("stale"));
    botModel.setCurrentIndex(0);
    int emitted = 0;
    QObject::connect(&botModel, &QComboBox::currentIndexChanged, [&] { ++emitted; });
    UInit::ReplaceChooserItems(&botModel, UInit::PlayerModelNames());
    UInit::ReplaceChooserItems(&botModel, UInit::PlayerModelNames());
    ASSERT_EQ(botModel.count(), 2);
    EXPECT_EQ(botModel.itemText(1), QStringLiteral("gordon"));
    EXPECT_EQ(botModel.currentIndex(), -1);
    EXPECT_EQ(emitted, 0);

    // A mod's own models: folders holding their .mdl only.
    m_hl.AddPlayerModel(QStringLiteral("Zed"), QStringLiteral("efm"));
    m_hl.AddPlayerModel(QStringLiteral("alpha"), QStringLiteral("efm"));
    m_hl.AddFile(QStringLiteral("efm/models/player/empty/readme.txt"));
    QComboBox chooser;
    chooser.addItem(QStringLiteral("stale"));
    UInit::ListModModels(&chooser, m_hl.Path(QStringLiteral("efm/models/player")));
    ASSERT_EQ(chooser.count(), 2);
    EXPECT_EQ(chooser.itemText(0), QStringLiteral("alpha"));
    EXPECT_EQ(chooser.itemText(1), QStringLiteral("Zed"));
}

// A mod's own model goes into the bot line as it is named: a folder whose name has a blank, a
// letter outside plain ASCII or more than 31 bytes would break the line, so it is not offered.
TEST_F(BotsTest, OwnModelsTheBotLineCannotCarryAreNotOffered) {
    for (const QString& model : {QStringLiteral("lucia"), QStringLiteral("my model"), QString::fromUtf8("caf\xC3\xA9"),
                                 QString(32, QLatin1Char('m')), QString(31, QLatin1Char('k'))})
        m_hl.AddPlayerModel(model, QStringLiteral("opera"));
    EXPECT_EQ(UInit::ModModelNames(m_hl.Path(QStringLiteral("opera/models/player"))),
              (QStringList{QString(31, QLatin1Char('k')), QStringLiteral("lucia")}));
}

} // namespace
