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

// The numbers the values of one row take: from Min to Max with at most Decimals digits after
// the point.
struct TRange {
    double Min = 0;
    double Max = 0;
    int Decimals = 0;
};
// The skill tables' rows: a reaction time in seconds, a turn speed in degrees per frame, an aim
// offset in game units, a percentage.
inline constexpr TRange Seconds{0, 10, 3};
inline constexpr TRange Degrees{0, 360, 3};
inline constexpr TRange Offset{0, 1000, 3};
inline constexpr TRange Percent{0, 100, 0};

// Sizes the grid to the labels, writes the headings and labels as fixed cells and makes the
// value cells editable (their text stays). No change signal is sent. A value cell is edited as
// a number of its row's range (rowRanges[row], the last one for rows past the list): letters
// cannot be typed or pasted, a number past an end is taken as that end, and an edit left as
// no number ("-", ".") keeps what the cell held; an emptied cell stays empty.
void Label(QTableWidget* grid, const QStringList& columnHeadings, const QStringList& rowLabels,
           const QVector<TRange>& rowRanges);
// The value cells as they stand, and back (no change signal).
TCells Read(const QTableWidget* grid);
void Write(const TCells& cells, QTableWidget* grid);

} // namespace SkillGrid
