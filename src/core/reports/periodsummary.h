#pragma once

#include "core/store/database.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class QPainter;
class QRect;

namespace trelfin {

// The figures of one period, as its own pages show them: incomes and expenses as the total
// balance counts them ("Bilans", "Całkowity"), and the debts and loans still open, the planned
// expenses not settled and the bank account's balance as the statement counts them over all the
// period's entries ("Statystyka" on a day after the last of them).
struct PeriodFigures
{
    int period = 0; // 1-based
    QString name;
    QString firstDate, lastDate; // the period's first and last write, as the record keeps them
    bool read = false;           // false: the period file could not be read; only name and dates hold
    double incomes = 0, expenses = 0, difference = 0;
    double loansOpen = 0, debtsOpen = 0; // loans given not yet back, debts taken not yet paid back
    double plannedOpen = 0;
    double bankBalance = 0;
    std::array<double, GroupCount + 1> groups{}; // expenses by spending group, [1..30]
};

// A range of periods summed up. The totals and the per-group figures count the periods that
// could be read; `unreadable` names those that could not ("okres 3 (budzet.2)").
struct PeriodsSummary
{
    QVector<PeriodFigures> periods;
    PeriodFigures total; // sums of the periods read (period 0; the bank balance: the last period's)
    QStringList unreadable;
    int readCount = 0;
    // A group's share of all expenses in percent, and its average per period read.
    double share(int group) const { return total.expenses != 0 ? total.groups[group] / total.expenses * 100.0 : 0.0; }
    double average(int group) const { return readCount ? total.groups[group] / readCount : 0.0; }
};

// Sums periods `from`..`to` (1-based, clamped to the database's) of `db`: each period file is
// read in turn, one at a time; the current period is taken from memory, unsaved changes
// included. `progress`, when given, is told after each period (done, all) and may stop the
// work by returning false; the summary then holds the periods done.
PeriodsSummary SummarisePeriods(const Database &db, int from, int to,
                                const std::function<bool(int done, int all)> &progress = {});

// The range a summary starts with: the last 12 periods, or all when there are fewer.
std::pair<int, int> DefaultSummaryRange(const Database &db);

// The two tables as text, a row per line and cells separated by tabs (the clipboard, the CLI),
// and as rows of cells (the window, CSV). Numbers as "0.00" shows them.
QStringList periodTableTitles();
QVector<QStringList> periodTableRows(const PeriodsSummary &summary); // the periods, then "Razem"
QStringList groupTableTitles(const PeriodsSummary &summary);
QVector<QStringList> groupTableRows(const Database &db, const PeriodsSummary &summary);
QString PeriodsSummaryText(const Database &db, const PeriodsSummary &summary);

// The chart of a summary drawn into `area`: per period a bar of its incomes and one of its
// expenses side by side, the difference as a line across the periods, a zero line, the scale on
// the left and the periods' numbers below. The same drawing serves the screen, print and PNG.
void renderPeriodsChart(QPainter &painter, const PeriodsSummary &summary, const QRect &area);

} // namespace trelfin
