#pragma once
// The skill tables some bot programs keep in a file of their own (P.O.D.Bot's and FireBot's
// botskill.cfg) are edited in a grid: row 0 holds the column headings, column 0 the row labels,
// and the other cells are the values, edited as text. The two files differ in their layout, not
// in the grid: the mods parse and format their own file and share the grid handling here.
#include <QString>
#include <QStringList>
#include <QVector>

class QTableWidget;

namespace SkillGrid {

// The values only: Cells[row][column], without the headings' row and the labels' column.
using TCells = QVector<QStringList>;

// An empty table of rows x columns values.
TCells EmptyCells(int rows, int columns);
// True when no value holds anything but blanks (nothing was ever loaded or typed).
bool IsEmpty(const TCells& cells);

// Sizes the grid to the labels, writes the headings and labels as fixed cells and makes the
// value cells editable (their text stays). No change signal is sent.
void Label(QTableWidget* grid, const QStringList& columnHeadings, const QStringList& rowLabels);
// The value cells as they stand, and back (no change signal).
TCells Read(const QTableWidget* grid);
void Write(const TCells& cells, QTableWidget* grid);

} // namespace SkillGrid
