#include "mods/common/SkillGrid.h"

#include <QSignalBlocker>
#include <QTableWidget>

namespace SkillGrid {

namespace {

QTableWidgetItem* Cell(QTableWidget* grid, int row, int column)
{
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

} // namespace

TCells EmptyCells(int rows, int columns)
{
    TCells cells(qMax(0, rows));
    for (QStringList& row : cells)
        for (int c = 0; c < columns; ++c)
            row << QString();
    return cells;
}

bool IsEmpty(const TCells& cells)
{
    for (const QStringList& row : cells)
        for (const QString& v : row)
            if (!v.trimmed().isEmpty())
                return false;
    return true;
}

void Label(QTableWidget* grid, const QStringList& columnHeadings, const QStringList& rowLabels)
{
    if (!grid)
        return;
    const QSignalBlocker block(grid);
    grid->setRowCount(int(rowLabels.size()) + 1);
    grid->setColumnCount(int(columnHeadings.size()) + 1);
    auto fixed = [grid](int row, int column, const QString& text) {
        QTableWidgetItem* item = Cell(grid, row, column);
        item->setText(text);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(grid->palette().button());
    };
    fixed(0, 0, QString());
    for (int c = 0; c < columnHeadings.size(); ++c)
        fixed(0, c + 1, columnHeadings.at(c));
    for (int r = 0; r < rowLabels.size(); ++r) {
        fixed(r + 1, 0, rowLabels.at(r));
        for (int c = 0; c < columnHeadings.size(); ++c)
            Cell(grid, r + 1, c + 1)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                               Qt::ItemIsEditable);
    }
}

TCells Read(const QTableWidget* grid)
{
    if (!grid)
        return {};
    TCells cells = EmptyCells(grid->rowCount() - 1, grid->columnCount() - 1);
    for (int r = 0; r < cells.size(); ++r)
        for (int c = 0; c < cells[r].size(); ++c) {
            const QTableWidgetItem* item = grid->item(r + 1, c + 1);
            cells[r][c] = item ? item->text() : QString();
        }
    return cells;
}

void Write(const TCells& cells, QTableWidget* grid)
{
    if (!grid)
        return;
    const QSignalBlocker block(grid);
    for (int r = 0; r < cells.size() && r + 1 < grid->rowCount(); ++r)
        for (int c = 0; c < cells[r].size() && c + 1 < grid->columnCount(); ++c)
            Cell(grid, r + 1, c + 1)->setText(cells[r][c]);
}

} // namespace SkillGrid
