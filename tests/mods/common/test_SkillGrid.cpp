// The skill grid the bot programs' skill tables are edited in (FireBot's, P.O.D.Bot's).
#include "mods/common/SkillGrid.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(SkillGrid, LabelsAreFixedAndValuesRoundTripWithoutSignals)
{
    QTableWidget grid;
    int changes = 0;
    QObject::connect(&grid, &QTableWidget::itemChanged, [&] { ++changes; });
    SkillGrid::Label(&grid, {QStringLiteral("A"), QStringLiteral("B")},
                     {QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")},
                     {SkillGrid::Percent});
    ASSERT_EQ(grid.rowCount(), 4);
    ASSERT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.item(0, 2)->text(), QStringLiteral("B"));
    EXPECT_EQ(grid.item(3, 0)->text(), QStringLiteral("r3"));
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid.item(1, 1)->flags() & Qt::ItemIsEditable);

    SkillGrid::TCells cells = SkillGrid::Read(&grid);
    EXPECT_TRUE(SkillGrid::IsEmpty(cells));
    cells[2][1] = QStringLiteral("0.5");
    SkillGrid::Write(cells, &grid);
    EXPECT_EQ(grid.item(3, 2)->text(), QStringLiteral("0.5"));
    EXPECT_EQ(SkillGrid::Read(&grid), cells);
    EXPECT_EQ(changes, 0);

    // Labelling again keeps the values (a reload labels first, then reads the file over them).
    SkillGrid::Label(&grid, {QStringLiteral("A"), QStringLiteral("B")},
                     {QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")},
                     {SkillGrid::Percent});
    EXPECT_EQ(SkillGrid::Read(&grid), cells);
    cells[2][1] = QStringLiteral("  ");
    EXPECT_TRUE(SkillGrid::IsEmpty(cells));
}

struct TEditCase {
    const char* Name;
    int Row;              // 0: seconds, 1: a percentage
    bool Pasted;          // one insertion of the whole text into the cell's value, else typed
    const char* Input;
    const char* Stored;   // the cell after the edit (it held "5")
};

class SkillGridEdit : public ::testing::TestWithParam<TEditCase> {};

// The user's edit of a value cell goes through the grid's own editor, as a double click opens it.
TEST_P(SkillGridEdit, TakesOnlyNumbersOfTheRowsRange)
{
    const TEditCase& c = GetParam();
    QTableWidget grid;
    SkillGrid::Label(&grid, {QStringLiteral("Skill 1")}, {QStringLiteral("Delay"), QStringLiteral("Headshot %")},
                     {SkillGrid::Seconds, SkillGrid::Percent});
    SkillGrid::Write({{QStringLiteral("5")}, {QStringLiteral("5")}}, &grid);
    const QModelIndex index = grid.model()->index(c.Row + 1, 1);
    QAbstractItemDelegate* delegate = grid.itemDelegateForIndex(index);
    std::unique_ptr<QWidget> editor(delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), index));
    delegate->setEditorData(editor.get(), index);
    auto* line = qobject_cast<QLineEdit*>(editor.get());
    ASSERT_NE(line, nullptr);
    if (c.Pasted) {
        line->insert(QString::fromUtf8(c.Input));
    } else {
        line->clear();
        for (const QChar ch : QString::fromUtf8(c.Input))
            line->insert(ch);
    }
    delegate->setModelData(editor.get(), grid.model(), index);
    EXPECT_EQ(grid.item(c.Row + 1, 1)->text(), QString::fromUtf8(c.Stored));
}

INSTANTIATE_TEST_SUITE_P(
    Values, SkillGridEdit,
    ::testing::Values(TEditCase{"Decimal", 0, false, "0.25", "0.25"},
                      TEditCase{"LettersAreNotTyped", 0, false, "1a.5b", "1.5"},
                      TEditCase{"NoSignBelowZero", 1, false, "-40", "40"},
                      TEditCase{"PastTheTopIsTheTop", 1, false, "150", "100"},
                      TEditCase{"SecondsPastTheTop", 0, false, "12", "10"},
                      TEditCase{"NoDecimalCommaOrExponent", 0, false, "3,e", "3"},
                      TEditCase{"PastedLettersAreRefused", 1, true, "abc", "5"},
                      TEditCase{"PastedNumber", 1, true, "0", "50"},
                      TEditCase{"NoNumberKeepsTheValue", 0, false, ".", "5"},
                      TEditCase{"EmptiedStaysEmpty", 1, false, "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
