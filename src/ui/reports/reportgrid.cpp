#include "ui/reports/reportgrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

namespace trelfin {

QTableWidget *createReportGrid(QWidget *parent, const QString &name, int rows, const QStringList &titles,
                               std::initializer_list<int> widths)
{
    auto *grid = new QTableWidget(rows, static_cast<int>(titles.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(titles);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    int column = 0;
    for (int w : widths)
        grid->setColumnWidth(column++, w);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setItem(r, c, new QTableWidgetItem);
    }
    return grid;
}

void widenColumnsFor(QTableWidget *grid, const QStringList &samples)
{
    const QFontMetrics fm = grid->fontMetrics();
    constexpr int padding = 16;
    for (int c = 0; c < grid->columnCount() && c < samples.size(); ++c) {
        const QString title = grid->horizontalHeaderItem(c) ? grid->horizontalHeaderItem(c)->text() : QString();
        const int needed = std::max(fm.horizontalAdvance(samples.at(c)), fm.horizontalAdvance(title)) + padding;
        grid->setColumnWidth(c, std::max(grid->columnWidth(c), needed));
    }
}

void setCellText(QTableWidget *grid, int row, int column, const QString &text)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(text);
}

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void showRows(QTableWidget *grid, const QVector<QStringList> &rows, int firstNumberColumn)
{
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            setCellText(grid, r, c, rows.at(r).at(c));
            if (c >= firstNumberColumn)
                grid->item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

QString selectedRowsText(const QTableWidget *grid, const QVector<QStringList> &rows)
{
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return QString();
    int top = selected.first().row(), bottom = top;
    for (const QModelIndex &i : selected) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
    }
    QString text;
    for (int r = top; r <= bottom && r < rows.size(); ++r)
        text += rows.at(r).join(u'\t') + u'\n';
    return text;
}

} // namespace trelfin
