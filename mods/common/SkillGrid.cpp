#include "mods/common/SkillGrid.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
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

// The editor of the value cells: a line edit that takes only numbers of the cell's row range,
// whether typed or pasted, and a commit that keeps the value within that range.
class TNumberDelegate : public QStyledItemDelegate {
public:
    TNumberDelegate(const QVector<TRange>& ranges, QObject* parent)
        : QStyledItemDelegate(parent), m_ranges(ranges) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override
    {
        const TRange range = RangeOf(index);
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        auto* validator = new QDoubleValidator(range.Min, range.Max, range.Decimals, editor);
        validator->setNotation(QDoubleValidator::StandardNotation);
        // "0.25" as the bot programs read it, whatever the desktop's language.
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        validator->setLocale(c);
        editor->setValidator(validator);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line)
            return;
        const QString text = line->text().trimmed();
        if (text.isEmpty()) {
            model->setData(index, QString(), Qt::EditRole);
            return;
        }
        bool ok = false;
        const double value = QLocale::c().toDouble(text, &ok);
        if (!ok)
            return;   // "-" or "." alone: the cell keeps its value
        const TRange range = RangeOf(index);
        QString stored = text;
        if (value < range.Min)
            stored = QLocale::c().toString(range.Min, 'g', 12);
        else if (value > range.Max)
            stored = QLocale::c().toString(range.Max, 'g', 12);
        model->setData(index, stored, Qt::EditRole);
    }

private:
    TRange RangeOf(const QModelIndex& index) const
    {
        if (m_ranges.isEmpty())
            return {};
        const int row = index.row() - 1;   // below the headings' row
        return m_ranges.at(qBound(0, row, int(m_ranges.size()) - 1));
    }

    QVector<TRange> m_ranges;
};

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

void Label(QTableWidget* grid, const QStringList& columnHeadings, const QStringList& rowLabels,
           const QVector<TRange>& rowRanges)
{
    if (!grid)
        return;
    const QSignalBlocker block(grid);
    // Labelling again replaces the editor of the values with one for these ranges.
    QAbstractItemDelegate* old = grid->itemDelegate();
    grid->setItemDelegate(new TNumberDelegate(rowRanges, grid));
    if (old && old->parent() == grid && dynamic_cast<TNumberDelegate*>(old))
        old->deleteLater();
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
