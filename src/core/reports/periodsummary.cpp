#include "core/reports/periodsummary.h"

#include "core/reports/groupsummary.h"
#include "core/reports/statement.h"
#include "core/store/databasefiles.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"

#include <QFileInfo>

#include <algorithm>

namespace trelfin {

namespace {

// Says nothing: a period that cannot be read is named in the summary instead.
class SilentSink : public MessageSink
{
public:
    void ShowInformation(const QString &, const QString &, const QString &) override {}
};

// A day after every entry of the period, so that the statement counts them all.
QString dayAfterEveryEntry(const Database &db)
{
    int latest = 0;
    for (const Register &r : db.registers) {
        for (const Entry &e : r.entries) {
            if (const auto parts = ParseDate(e.date))
                latest = std::max(latest, DateKey(*parts));
        }
    }
    return latest == 0 ? QStringLiteral("31-12-9999") : FormatDate(latest % 100, latest / 100 % 100, latest / 10000);
}

void figure(PeriodFigures &f, const Database &period)
{
    const GroupSummary balance = computeTotalBalance(period, SummaryOrder::byGroup);
    f.incomes = balance.incomeTotal;
    f.expenses = balance.total;
    f.difference = f.incomes - f.expenses;
    for (int g = 1; g <= GroupCount; ++g)
        f.groups[g] = balance.table.row(g).sum;
    const Statement s = computeStatement(period, dayAfterEveryEntry(period));
    f.loansOpen = s.D;
    f.debtsOpen = s.E;
    f.plannedOpen = s.F;
    f.bankBalance = s.g;
}

} // namespace

std::pair<int, int> DefaultSummaryRange(const Database &db)
{
    const int count = db.header.periodCount;
    return {std::max(1, count - 11), count};
}

PeriodsSummary SummarisePeriods(const Database &db, int from, int to, const std::function<bool(int, int)> &progress)
{
    PeriodsSummary summary;
    const int count = db.header.periodCount;
    from = std::clamp(from, 1, std::max(1, count));
    to = std::clamp(to, from, std::max(1, count));
    const int all = to - from + 1;
    SilentSink sink;
    for (int p = from; p <= to; ++p) {
        PeriodFigures f;
        f.period = p;
        f.name = db.header.periods[p].periodName.trimmed();
        f.firstDate = db.header.periods[p].firstWriteDate();
        f.lastDate = db.header.periods[p].lastWriteDate();
        if (p == db.currentPeriod) {
            figure(f, db);
            f.read = true;
        } else {
            // One period in memory at a time: the copy shares the record and takes this
            // period's registers in place of the current one's.
            Database period = db;
            period.currentPeriod = p;
            if (LoadPeriod(period, p - 1, sink)) {
                figure(f, period);
                f.read = true;
            }
        }
        if (f.read) {
            ++summary.readCount;
            summary.total.incomes += f.incomes;
            summary.total.expenses += f.expenses;
            summary.total.difference += f.difference;
            summary.total.loansOpen += f.loansOpen;
            summary.total.debtsOpen += f.debtsOpen;
            summary.total.plannedOpen += f.plannedOpen;
            summary.total.bankBalance = f.bankBalance;
            for (int g = 1; g <= GroupCount; ++g)
                summary.total.groups[g] += f.groups[g];
        } else {
            summary.unreadable.append(QStringLiteral("okres %1 (%2)").arg(p).arg(QFileInfo(PeriodFilePath(db, p - 1)).fileName()));
        }
        summary.periods.append(f);
        if (progress && !progress(p - from + 1, all))
            break;
    }
    summary.total.name = QStringLiteral("Razem");
    summary.total.read = summary.readCount > 0;
    return summary;
}

QStringList periodTableTitles()
{
    return {QStringLiteral("Okres"),          QStringLiteral("Od"),        QStringLiteral("Do"),
            QStringLiteral("Przychód"),       QStringLiteral("Rozchód"),   QStringLiteral("Różnica"),
            QStringLiteral("Pożyczki otwarte"), QStringLiteral("Długi otwarte"), QStringLiteral("Planowane"),
            QStringLiteral("Stan konta")};
}

QVector<QStringList> periodTableRows(const PeriodsSummary &summary)
{
    QVector<QStringList> rows;
    const auto row = [](const PeriodFigures &f, const QString &name, const QString &from, const QString &to) {
        if (!f.read)
            return QStringList{name, from, to, QStringLiteral("nie można odczytać"), QString(), QString(), QString(), QString(),
                               QString(), QString()};
        return QStringList{name, from, to, FormatAmount(f.incomes), FormatAmount(f.expenses), FormatAmount(f.difference),
                           FormatAmount(f.loansOpen), FormatAmount(f.debtsOpen), FormatAmount(f.plannedOpen),
                           FormatAmount(f.bankBalance)};
    };
    for (const PeriodFigures &f : summary.periods)
        rows.append(row(f, QStringLiteral("%1. %2").arg(f.period).arg(f.name), f.firstDate, f.lastDate));
    rows.append(row(summary.total, summary.total.name, QString(), QString()));
    return rows;
}

QStringList groupTableTitles(const PeriodsSummary &summary)
{
    QStringList titles = {QStringLiteral("Grupa")};
    for (const PeriodFigures &f : summary.periods)
        titles.append(QStringLiteral("%1. %2").arg(f.period).arg(f.name));
    titles << QStringLiteral("Razem") << QStringLiteral("Średnio") << QStringLiteral("Udział %");
    return titles;
}

QVector<QStringList> groupTableRows(const Database &db, const PeriodsSummary &summary)
{
    QVector<QStringList> rows;
    for (int g = 1; g <= GroupCount; ++g) {
        QStringList cells = {db.header.groupNames[g].trimmed()};
        for (const PeriodFigures &f : summary.periods)
            cells.append(f.read ? FormatAmount(f.groups[g]) : QString());
        cells << FormatAmount(summary.total.groups[g]) << FormatAmount(summary.average(g))
              << FormatPercent(summary.share(g));
        rows.append(cells);
    }
    return rows;
}

QString PeriodsSummaryText(const Database &db, const PeriodsSummary &summary)
{
    QString text;
    const auto table = [&text](const QStringList &titles, const QVector<QStringList> &rows) {
        text += titles.join(u'\t') + u'\n';
        for (const QStringList &row : rows)
            text += row.join(u'\t') + u'\n';
    };
    table(periodTableTitles(), periodTableRows(summary));
    text += u'\n';
    table(groupTableTitles(summary), groupTableRows(db, summary));
    return text;
}

} // namespace trelfin
