#include "core/reports/groupsummary.h"

#include "core/store/helpers.h"
#include "core/store/real48.h"

#include <functional>
#include <utility>

namespace trelfin {

void GroupSummaryTable::initialise(const std::array<QString, GroupCount + 1> &groupNames)
{
    for (int i = 1; i <= GroupCount; ++i)
        m_rows[i] = GroupSummaryRow{groupNames[i], 0, 0.0};
}

void GroupSummaryTable::add(int group, double amount)
{
    if (group < 1 || group > GroupCount)
        return;
    GroupSummaryRow &r = m_rows[group];
    r.sum = Real48::round(static_cast<long double>(r.sum) + static_cast<long double>(amount));
    ++r.count;
}

void sortGroupSummary(GroupSummaryTable &table, bool largestFirst)
{
    for (int pass = 0; pass < GroupCount; ++pass) {
        for (int j = 2; j <= GroupCount; ++j) {
            const long double a = table.row(j - 1).sum;
            const long double b = table.row(j).sum;
            if (largestFirst ? a < b : a > b)
                std::swap(table.row(j - 1), table.row(j));
        }
    }
}

namespace {

// A text that names no day of the calendar counts as nothing typed.
QString possibleDate(const QString &text)
{
    return IsImpossibleDate(text) ? QString() : text;
}

} // namespace

ReportSpan yearSpan(const QString &yearText, const QDate &today)
{
    const QString year = possibleDate(QStringLiteral("01.01.") + yearText).isEmpty() ? QString() : yearText;
    return {NormalizeDate(QStringLiteral("01.01.") + year, today),
            NormalizeDate(QStringLiteral("31.12.") + year, today), SpanKind::year};
}

ReportSpan monthSpan(const QString &monthText, const QDate &today)
{
    // The span ends on the month's last day; only the month itself must exist.
    const QString month = possibleDate(QStringLiteral("01.") + monthText).isEmpty() ? QString() : monthText;
    return {NormalizeDate(QStringLiteral("01.") + month, today),
            ClampToMonthEnd(NormalizeDate(QStringLiteral("31.") + month, today)), SpanKind::month};
}

ReportSpan explicitSpan(const QString &fromText, const QString &toText, const QDate &today)
{
    ReportSpan span{NormalizeDate(possibleDate(fromText), today), NormalizeDate(possibleDate(toText), today),
                    SpanKind::span};
    if (CompareDates(span.from, span.to) == DateLater)
        std::swap(span.from, span.to);
    return span;
}

bool insideSpan(const QString &date, const ReportSpan &span)
{
    const int low = CompareDates(span.from, date);
    const int high = CompareDates(date, span.to);
    return (low == DateEarlier || low == DateEqual) && (high == DateEarlier || high == DateEqual);
}

namespace {

using EntryFilter = std::function<bool(const Entry &)>;

double sumOf(const Register &reg, const EntryFilter &take)
{
    double total = 0.0;
    for (const Entry &e : reg.entries) {
        if (take(e))
            total += e.amount;
    }
    return total;
}

void sortAsAsked(GroupSummaryTable &table, SummaryOrder order)
{
    if (order == SummaryOrder::largestFirst)
        sortGroupSummary(table, true);
    else if (order == SummaryOrder::smallestFirst)
        sortGroupSummary(table, false);
}

// The shared walk of the total balance and the total forecast: rows by group of the entries
// `take` accepts, and the span from the earliest to the latest of their dates, starting from the
// date of the register's first entry.
void summariseAll(const Database &db, const Register &reg, const EntryFilter &take, SummaryOrder order,
                  GroupSummary &result)
{
    result.table.initialise(db.header.groupNames);
    result.total = sumOf(reg, take);
    if (result.total == 0.0)
        return;
    QString first = reg.entries.first().date;
    QString last = first;
    for (const Entry &e : reg.entries) {
        if (!take(e))
            continue;
        result.table.add(e.group, e.amount);
        if (CompareDates(e.date, first) == DateEarlier)
            first = e.date;
        if (CompareDates(e.date, last) == DateLater)
            last = e.date;
    }
    result.spanText = QStringLiteral("Od ") + first + QStringLiteral(" do ") + last;
    result.rowsFilled = true;
    sortAsAsked(result.table, order);
}

void summariseSpan(const Database &db, const Register &reg, const EntryFilter &take, const ReportSpan &span,
                   SummaryOrder order, GroupSummary &result)
{
    const EntryFilter inside = [&](const Entry &e) { return take(e) && insideSpan(e.date, span); };
    result.total = sumOf(reg, inside);
    result.spanText = QStringLiteral("Od ") + span.from + QStringLiteral(" do ") + span.to;
    result.table.initialise(db.header.groupNames);
    if (result.total == 0.0)
        return;
    for (const Entry &e : reg.entries) {
        if (inside(e))
            result.table.add(e.group, e.amount);
    }
    result.rowsFilled = true;
    sortAsAsked(result.table, order);
}

bool anyEntry(const Entry &)
{
    return true;
}

bool openPlanned(const Entry &e)
{
    return e.group != SettledGroup;
}

} // namespace

GroupSummary computeTotalBalance(const Database &db, SummaryOrder order)
{
    GroupSummary result;
    result.incomeTotal = sumOf(db.reg(RegisterKind::incomes), anyEntry);
    summariseAll(db, db.reg(RegisterKind::expenses), anyEntry, order, result);
    return result;
}

GroupSummary computeDatedBalance(const Database &db, const ReportSpan &span, SummaryOrder order)
{
    GroupSummary result;
    result.incomeTotal =
        sumOf(db.reg(RegisterKind::incomes), [&](const Entry &e) { return insideSpan(e.date, span); });
    summariseSpan(db, db.reg(RegisterKind::expenses), anyEntry, span, order, result);
    return result;
}

GroupSummary computeTotalForecast(const Database &db, SummaryOrder order)
{
    GroupSummary result;
    summariseAll(db, db.reg(RegisterKind::planned), openPlanned, order, result);
    return result;
}

GroupSummary computeDatedForecast(const Database &db, const ReportSpan &span, SummaryOrder order)
{
    GroupSummary result;
    summariseSpan(db, db.reg(RegisterKind::planned), openPlanned, span, order, result);
    return result;
}

QVector<QStringList> groupSummaryRowTexts(const GroupSummary &summary, const QStringList &shownNames)
{
    QVector<QStringList> rows;
    rows.reserve(GroupCount);
    for (int i = 1; i <= GroupCount; ++i) {
        QStringList cells = {shownNames.value(i - 1), QString(), QString(), QString()};
        if (summary.rowsFilled) {
            const GroupSummaryRow &row = summary.table.row(i);
            cells[0] = row.name;
            cells[1] = QString::number(row.count);
            if (row.count >= 1) {
                cells[2] = FormatAmount(row.sum);
                cells[3] = FormatPercent(summary.percent(i));
            }
        }
        rows.append(cells);
    }
    return rows;
}

} // namespace trelfin
