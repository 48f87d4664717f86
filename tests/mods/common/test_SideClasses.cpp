// Template variants of the side-and-class mods: a class list per side, refilled when the side
// changes, stored as a class number from 1; list slots whose values outside the list read as the
// read default; the minimum skill kept in step with the default skill.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModLogic.h"
#include "mods/common/ModStore.h"
#include "mods/common/ModWindow.h"
#include "mods/common/ModWriters.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TModTraits ClassTraits(bool perSide)
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");   // borrows The Opera's row for its folder
    s.Prefix = QStringLiteral("CL");
    s.Title = QStringLiteral("Class Probe");
    s.ShortName = QStringLiteral("Probe");
    s.Models = TModelSource::ClassList;
    s.ClassesPerSide = perSide;
    s.ModeleDefault = QStringLiteral("0");
    s.Profile.SidePictures = true;
    return s;
}

class TClassLogic : public TModLogic {
public:
    explicit TClassLogic(bool perSide) : TModLogic(ClassTraits(perSide)) {}
    QStringList SideClassNames(const QString& side) const override
    {
        if (side == QLatin1String("1"))
            return {QStringLiteral("Rebel A"), QStringLiteral("Rebel B"), QStringLiteral("Rebel C")};
        if (side == QLatin1String("2"))
            return {QStringLiteral("Agent A"), QStringLiteral("Agent B"), QStringLiteral("Agent C")};
        return {};
    }
    TStoreTable BotStoreRows() const override
    {
        return {ModStore::ListSlot(QStringLiteral("team"), 3, QStringLiteral("0"), 0, 2),
                ModStore::ListSlot(QStringLiteral("modele"), 1, QStringLiteral("0"), 1, 3)};
    }
};

class TClassWindow : public TModWindow {
public:
    explicit TClassWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }

protected:
    void BuildExtraPages(QTabWidget*) override
    {
        AddSideRadios(GB_BotProp, {{QStringLiteral("CL_Auto"), QStringLiteral("Auto"), QStringLiteral("0")},
                                   {QStringLiteral("CL_One"), QStringLiteral("One"), QStringLiteral("1")},
                                   {QStringLiteral("CL_Two"), QStringLiteral("Two"), QStringLiteral("2")}},
                      10, 124, 100);
        auto* minSkill = new QSlider(Qt::Horizontal, TS_Bots);
        minSkill->setObjectName(QStringLiteral("CL_minskill"));
        minSkill->setRange(1, 5);
        CoupleMinSkill(minSkill);
    }
};

// One bot per stored [Bot N]: team and modele as written.
QByteArray Store(std::initializer_list<std::pair<const char*, const char*>> bots)
{
    QByteArray s = "[Default]\r\nnumbot=" + QByteArray::number(int(bots.size())) + "\r\n";
    int n = 0;
    for (const auto& [team, modele] : bots)
        s += "[Bot " + QByteArray::number(++n) + "]\r\nnom=B" + QByteArray::number(n) +
             "\r\nteam=" + team + "\r\nmodele=" + modele + "\r\n";
    return s;
}

TEST(SideClassLists, PerSideListsFollowTheSideAndKeepTheClassNumber)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    // Stored values outside their lists, and ones that are no numbers, read as "0": no side
    // ticked, no class chosen.
    env.Program.AddFile(QStringLiteral("Bots/CL_Bots.ini"),
                        Store({{"1", "3"}, {"2", "0"}, {"7", "2"}, {"x", "9"}, {"2", "y"}}));
    TIniFile::FlushCache();
    TClassLogic logic(true);
    logic.RegisterHooks([](QWidget*) { return nullptr; });
    TClassWindow w(logic);
    w.FormActivate();
    ASSERT_EQ(w.ListBot->count(), 5);
    const QVector<TBot>& bots = logic.Bots();
    const QStringList teams{bots[0][3], bots[1][3], bots[2][3], bots[3][3], bots[4][3]};
    const QStringList classes{bots[0][1], bots[1][1], bots[2][1], bots[3][1], bots[4][1]};
    EXPECT_EQ(teams, (QStringList{"1", "2", "0", "0", "2"}));
    EXPECT_EQ(classes, (QStringList{"3", "0", "2", "0", "0"}));

    // Bot 1: side 1's list, its third class.
    EXPECT_TRUE(w.SideRadios[1]->isChecked());
    EXPECT_EQ(w.botmodel->currentText(), QStringLiteral("Rebel C"));
    // Bot 3 (side read as 0): no class list of its own, nothing chosen, no radio ticked but Auto.
    w.ListBot->setCurrentRow(2);
    w.ListBotClick();
    EXPECT_TRUE(w.SideRadios[0]->isChecked());
    EXPECT_EQ(w.botmodel->count(), 0);
    // Bot 2: side 2, class 0 is no class.
    w.ListBot->setCurrentRow(1);
    w.ListBotClick();
    EXPECT_EQ(w.botmodel->count(), 3);
    EXPECT_EQ(w.botmodel->currentIndex(), -1);

    // Back to bot 1, switched to side 2: the same number, now the other list's class.
    w.ListBot->setCurrentRow(0);
    w.ListBotClick();
    logic.State.Modified = 0;
    w.SideRadios[2]->click();
    EXPECT_EQ(bots[0][3], QStringLiteral("2"));
    EXPECT_EQ(bots[0][1], QStringLiteral("3"));
    EXPECT_EQ(w.botmodel->itemText(0), QStringLiteral("Agent A"));
    EXPECT_EQ(w.botmodel->currentText(), QStringLiteral("Agent C"));
    EXPECT_EQ(logic.State.Modified, 1);
    // Stepping stores the class number from 1.
    w.SpeedButton14->click();
    EXPECT_EQ(bots[0][1], QStringLiteral("2"));
    EXPECT_EQ(logic.PictureName(bots[0]), QStringLiteral("2_2"));
}

TEST(MinimumSkill, RaisingItRaisesTheDefaultAndLoweringTheDefaultLowersIt)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    env.Program.AddFile(QStringLiteral("Bots/CL_Bots.ini"), Store({}));
    TIniFile::FlushCache();
    TClassLogic logic(false);
    TClassWindow w(logic);
    w.FormActivate();
    ASSERT_NE(w.MinSkill, nullptr);
    w.defskill->setValue(2);
    w.MinSkill->setValue(2);
    logic.State.Modified = 0;
    w.MinSkill->setValue(4);
    EXPECT_EQ(w.defskill->value(), 4);
    EXPECT_EQ(logic.State.Modified, 1);
    w.defskill->setValue(3);
    EXPECT_EQ(w.MinSkill->value(), 3);
    w.defskill->setValue(5);
    EXPECT_EQ(w.MinSkill->value(), 3);   // raising the default leaves the minimum
}

} // namespace
