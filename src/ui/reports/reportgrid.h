#pragma once

#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QVector>

#include <initializer_list>

namespace trelfin {

// A read-only report grid: `rows` data rows under a title row, whole-row range selection,
// column widths as given, columns resizable by the user, and the shared popup menu.
QTableWidget *createReportGrid(QWidget *parent, const QString &name, int rows, const QStringList &titles,
                               std::initializer_list<int> widths);

// Widens, once, the columns whose widest text (`samples`, one per column) or title would not fit in
// the desktop's font; after that the widths are the user's to change.
void widenColumnsFor(QTableWidget *grid, const QStringList &samples);

// Writes one cell (0-based data row), creating its item on first use.
void setCellText(QTableWidget *grid, int row, int column, const QString &text);
QString cellText(const QTableWidget *grid, int row, int column);

// Writes every cell of the report's rows into the grid; the cells from `firstNumberColumn` on
// (amounts, counts, percents) are right-aligned, as in the register grids.
void showRows(QTableWidget *grid, const QVector<QStringList> &rows, int firstNumberColumn = 1);

// The report rows from the topmost to the bottommost selected grid row as clipboard text: the
// cells of a row separated by tabs, each row ending in a line break; empty without a selection.
QString selectedRowsText(const QTableWidget *grid, const QVector<QStringList> &rows);

} // namespace trelfin
