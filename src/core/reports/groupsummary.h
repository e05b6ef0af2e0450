#pragma once

#include "core/store/database.h"
#include "core/store/reportspan.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

namespace trelfin {

// One row of the per-group working table: a group's name, how many entries were added into it
// and their sum. The sum is always a value the six-byte real form can hold: every addition is
// made in extended precision and rounded back into that form.
struct GroupSummaryRow
{
    QString name;
    int count = 0;
    double sum = 0.0;
    bool operator==(const GroupSummaryRow &) const = default;
};

// The 30 rows of a balance or forecast by group. Row i (1..30) starts as group i; sorting moves
// whole rows, so after a sort the rows are in table order.
class GroupSummaryTable
{
public:
    // Row i := (groupNames[i], 0, 0) for every group.
    void initialise(const std::array<QString, GroupCount + 1> &groupNames);
    // Adds one entry of `group` (1..30); any other group number is ignored.
    void add(int group, double amount);

    const GroupSummaryRow &row(int i) const { return m_rows[i]; }    // 1..30
    GroupSummaryRow &row(int i) { return m_rows[i]; }

private:
    std::array<GroupSummaryRow, GroupCount + 1> m_rows; // [0] unused
};

// A bubble sort of exactly 30 passes over rows 1..30 by sum. `largestFirst` swaps neighbours
// whose sums rise, so the largest sum comes first; otherwise the smallest comes first. Equal
// sums are never swapped, so they keep their order.
void sortGroupSummary(GroupSummaryTable &table, bool largestFirst);

// The order the page's radio buttons choose: "Grupami", "Rosnąco" (smallest first),
// "Malejąco" (largest first).
enum class SummaryOrder { byGroup, largestFirst, smallestFirst };

// The spans the date dialogs make from what was typed (a blank or incomplete text, or one that
// names no day of the calendar such as month 13, gives today):
// a year "yyyy" gives 01-01-yyyy .. 31-12-yyyy; a month "mm-yyyy" gives 01-mm-yyyy .. its last
// day (28-02-2026, 30-09-2026); two dates are put in order when the first is later.
ReportSpan yearSpan(const QString &yearText, const QDate &today);
ReportSpan monthSpan(const QString &monthText, const QDate &today);
ReportSpan explicitSpan(const QString &fromText, const QString &toText, const QDate &today);

// Whether `date` lies inside the span, bounds included; an unreadable date or bound is outside.
bool insideSpan(const QString &date, const ReportSpan &span);

// What a balance or forecast page shows.
struct GroupSummary
{
    double total = 0.0;         // the expenses (balance) or open planned entries (forecast) summed
    double incomeTotal = 0.0;   // balance only
    // "Od <from> do <to>"; nothing when the page keeps its previous text.
    std::optional<QString> spanText;
    // False when the total is exactly 0: the group rows then show nothing but their names.
    bool rowsFilled = false;
    GroupSummaryTable table;

    // Row i's share of the total, in percent.
    double percent(int row) const { return table.row(row).sum / total * 100.0; }
};

// The balance of the current period: incomes and expenses, expenses by group. The total balance
// takes every entry, its span running from the earliest to the latest expense date; the dated one
// takes the entries inside `span`.
GroupSummary computeTotalBalance(const Database &db, SummaryOrder order);
GroupSummary computeDatedBalance(const Database &db, const ReportSpan &span, SummaryOrder order);

// The forecast: the planned entries not yet settled, by group. The total forecast's span starts
// from planned entry 1's date even when that entry is settled.
GroupSummary computeTotalForecast(const Database &db, SummaryOrder order);
GroupSummary computeDatedForecast(const Database &db, const ReportSpan &span, SummaryOrder order);

// The texts of the 30 grid rows (name, count, value, percent) that show `summary`. A summary
// whose total is 0 fills only the names, and those stay as the rows showed them before
// (`shownNames`, one per row); a group without entries shows no value and no percent.
QVector<QStringList> groupSummaryRowTexts(const GroupSummary &summary, const QStringList &shownNames);

} // namespace trelfin
