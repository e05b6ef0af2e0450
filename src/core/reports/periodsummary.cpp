#include "core/reports/periodsummary.h"

#include "core/reports/groupsummary.h"
#include "core/store/databasefiles.h"
#include "core/store/helpers.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

namespace trelfin {

namespace {

// Adds up one period's entries as the pages do: incomes and expenses, and expenses by group, as
// the total balance counts them (every entry; each group's sum rounded as the six-byte real form
// keeps it); the debts and loans open, the planned expenses not settled and the bank balance as
// the statement counts them on a day after every entry (every entry whose date can be read).
class PeriodAccumulator
{
public:
    void add(RegisterKind kind, std::optional<int> dateKey, double amount, int group)
    {
        switch (kind) {
        case RegisterKind::incomes:
            m_incomes += amount;
            return;
        case RegisterKind::expenses:
            m_expenses += amount;
            m_groups.add(group, amount);
            return;
        case RegisterKind::debts:
            if (!dateKey)
                return;
            if (group == 1)
                m_debtsTaken += amount;
            else if (group == 2)
                m_loansGiven += amount;
            else if (group == 3)
                m_debtsPaidBack += amount;
            else if (group == 4)
                m_loansBack += amount;
            return;
        case RegisterKind::planned:
            if (dateKey && group != SettledGroup)
                m_planned += amount;
            return;
        case RegisterKind::bankAccount:
            if (dateKey && group >= 1 && group <= BankOperationKindCount)
                m_bank[group] += amount;
            return;
        }
    }

    void fill(PeriodFigures &f) const
    {
        f.incomes = m_incomes;
        f.expenses = m_expenses;
        f.difference = m_incomes - m_expenses;
        for (int g = 1; g <= GroupCount; ++g)
            f.groups[g] = m_groups.row(g).sum;
        f.loansOpen = m_loansGiven - m_loansBack;
        f.debtsOpen = m_debtsTaken - m_debtsPaidBack;
        f.plannedOpen = m_planned;
        f.bankBalance = m_bank[1] - m_bank[2] - m_bank[3] - m_bank[4] - m_bank[5] + m_bank[6];
    }

private:
    double m_incomes = 0, m_expenses = 0;
    GroupSummaryTable m_groups;
    double m_debtsTaken = 0, m_debtsPaidBack = 0, m_loansGiven = 0, m_loansBack = 0;
    double m_planned = 0;
    std::array<double, BankOperationKindCount + 1> m_bank{};
};

// The figures of the period in memory.
void figuresInMemory(PeriodFigures &f, const Database &db)
{
    PeriodAccumulator sum;
    for (int r = 0; r < RegisterCount; ++r) {
        const auto kind = static_cast<RegisterKind>(r);
        for (const Entry &e : db.reg(kind).entries) {
            const auto parts = ParseDate(e.date);
            sum.add(kind, parts ? std::optional<int>(DateKey(*parts)) : std::nullopt, e.amount, e.group);
        }
    }
    sum.fill(f);
}

// The figures of period file k, read straight from its bytes; false when it cannot be read.
bool figuresOnDisk(PeriodFigures &f, const Database &db, int k)
{
    const std::optional<QByteArray> bytes = ReadPeriodFileBytes(db, k, LargestPeriodFileSize());
    if (!bytes)
        return false;
    PeriodAccumulator sum;
    if (!ForEachPeriodEntry(*bytes, [&sum](RegisterKind kind, std::optional<int> dateKey, double amount, int group) {
            sum.add(kind, dateKey, amount, group);
        }))
        return false;
    sum.fill(f);
    return true;
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
    for (int p = from; p <= to; ++p) {
        PeriodFigures f;
        f.period = p;
        f.name = db.header.periods[p].periodName.trimmed();
        f.firstDate = db.header.periods[p].firstWriteDate();
        f.lastDate = db.header.periods[p].lastWriteDate();
        if (p == db.currentPeriod) {
            figuresInMemory(f, db);
            f.read = true;
        } else {
            // Never all in memory: each file's bytes are summed as they are read.
            f.read = figuresOnDisk(f, db, p - 1);
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

void renderPeriodsChart(QPainter &painter, const PeriodsSummary &summary, const QRect &area)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const QFontMetrics metrics(painter.font());
    double top = 0, bottom = 0;
    for (const PeriodFigures &f : summary.periods) {
        if (!f.read)
            continue;
        top = std::max({top, f.incomes, f.expenses, f.difference});
        bottom = std::min(bottom, f.difference);
    }
    if (top == bottom)
        top = 1;
    const int left = area.left() + metrics.horizontalAdvance(FormatAmount(-std::max(top, -bottom))) + 8;
    const int right = area.right() - 4;
    const int plotTop = area.top() + 2 * metrics.height(); // the legend above
    const int plotBottom = area.bottom() - metrics.height() - 6;
    const auto yOf = [&](double value) {
        return plotBottom - int(std::lround((value - bottom) / (top - bottom) * (plotBottom - plotTop)));
    };
    // The scale: the top, zero and the bottom when below zero.
    painter.setPen(Qt::black);
    for (double value : {top, 0.0, bottom}) {
        if (value == bottom && bottom == 0.0 && value != 0.0)
            continue;
        const int y = yOf(value);
        painter.drawText(QRect(area.left(), y - metrics.height() / 2, left - area.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, FormatAmount(value));
        painter.setPen(value == 0.0 ? QPen(Qt::black) : QPen(Qt::lightGray, 1, Qt::DotLine));
        painter.drawLine(left, y, right, y);
        painter.setPen(Qt::black);
    }
    const qsizetype count = summary.periods.size();
    if (count == 0) {
        painter.restore();
        return;
    }
    const double slot = double(right - left) / double(count);
    const int barWidth = std::max(1, int(slot * 0.35));
    QPolygon difference;
    for (qsizetype i = 0; i < count; ++i) {
        const PeriodFigures &f = summary.periods.at(i);
        const int x = left + int(slot * double(i));
        const int centre = x + int(slot / 2);
        painter.drawText(QRect(x, plotBottom + 4, int(slot), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(f.period));
        if (!f.read)
            continue;
        const int zero = yOf(0);
        painter.fillRect(QRect(QPoint(centre - barWidth, yOf(f.incomes)), QPoint(centre - 1, zero)), QColor(0, 128, 0));
        painter.fillRect(QRect(QPoint(centre, yOf(f.expenses)), QPoint(centre + barWidth - 1, zero)), QColor(200, 0, 0));
        difference.append(QPoint(centre, yOf(f.difference)));
    }
    painter.setPen(QPen(Qt::blue, 2));
    painter.drawPolyline(difference);
    for (const QPoint &p : std::as_const(difference))
        painter.drawEllipse(p, 2, 2);
    // The legend, at the top right.
    const int mark = metrics.height() - 4;
    int x = right;
    const std::array<std::pair<QString, QColor>, 3> legend = {
        std::pair{QStringLiteral("Różnica"), QColor(Qt::blue)}, std::pair{QStringLiteral("Rozchód"), QColor(200, 0, 0)},
        std::pair{QStringLiteral("Przychód"), QColor(0, 128, 0)}};
    for (const auto &[text, colour] : legend) {
        x -= metrics.horizontalAdvance(text);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, area.top() + metrics.ascent() + 1), text);
        x -= mark + 4;
        painter.fillRect(QRect(x, area.top() + 3, mark, mark), colour);
        x -= 12;
    }
    painter.restore();
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
