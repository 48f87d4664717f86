// The skill grid the bot programs' skill tables are edited in (FireBot's, P.O.D.Bot's).
#include "mods/common/SkillGrid.h"

#include <QApplication>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

TEST(SkillGrid, LabelsAreFixedAndValuesRoundTripWithoutSignals)
{
    QTableWidget grid;
    int changes = 0;
    QObject::connect(&grid, &QTableWidget::itemChanged, [&] { ++changes; });
    SkillGrid::Label(&grid, {QStringLiteral("A"), QStringLiteral("B")},
                     {QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")});
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
                     {QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")});
    EXPECT_EQ(SkillGrid::Read(&grid), cells);
    cells[2][1] = QStringLiteral("  ");
    EXPECT_TRUE(SkillGrid::IsEmpty(cells));
}

} // namespace
