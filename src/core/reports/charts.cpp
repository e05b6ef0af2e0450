#include "core/reports/charts.h"

#include "core/store/helpers.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace trelfin {

namespace {

constexpr int kBaseline = 330;
constexpr int kScale = 300;

bool inside(const QString &from, const QString &date, const QString &to)
{
    const int low = CompareDates(from, date);
    const int high = CompareDates(date, to);
    return (low == DateEarlier || low == DateEqual) && (high == DateEarlier || high == DateEqual);
}

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// A one-pixel line from `from` to `to` without its end point.
void lineWithoutEnd(QPainter &painter, QPoint from, QPoint to)
{
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        painter.drawPoint(x, y);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

// A marker: a 6 × 6 square from (x − 2, y − 3), a 2-pixel border in the series colour around a
// white centre.
void marker(QPainter &painter, int x, int y, const QColor &colour)
{
    painter.fillRect(QRect(x - 2, y - 3, 6, 6), colour);
    painter.fillRect(QRect(x, y - 1, 2, 2), Qt::white);
}

bool countsIn(RegisterKind kind, const Entry &e)
{
    return kind != RegisterKind::planned || e.group != SettledGroup;
}

} // namespace

GroupChart computeGroupChart(const Database &db, RegisterKind kind, const QString &from, const QString &to)
{
    GroupChart chart;
    for (const Entry &e : db.reg(kind).entries) {
        if (e.group < 1 || e.group > GroupCount || !inside(from, e.date, to))
            continue;
        chart.sum[e.group] += e.amount;
        ++chart.count[e.group];
        chart.total += e.amount;
    }
    return chart;
}

QVector<QStringList> groupChartRowTexts(const Database &db, const GroupChart &chart)
{
    QVector<QStringList> rows;
    for (int g = 1; g <= GroupCount; ++g) {
        QStringList row = {QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0')), db.header.groupNames[g],
                           QString::number(chart.count[g]), QString(), QString()};
        if (chart.sum[g] > 0) {
            row[3] = FormatAmount(chart.sum[g]);
            row[4] = FormatPercent(chart.sum[g] * 100.0 / chart.total);
        }
        rows.append(row);
    }
    return rows;
}

void renderGroupChart(QPainter &painter, const GroupChart &chart, bool gridLines, const QColor &slotColour,
                      const QColor &barColour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (gridLines) {
        for (int i = 1; i <= GroupCount; ++i)
            painter.fillRect(QRect(groupBarLeft(i), 30, GroupBarWidth, kScale), slotColour);
        painter.setPen(Qt::black);
        for (int j = 0; j <= 20; ++j) {
            for (int k = 0; k <= 273; ++k)
                painter.drawPoint(61 + 2 * k, 30 + 15 * j);
        }
    }
    if (chart.total > 0) {
        for (int i = 1; i <= GroupCount; ++i) {
            const int top = roundHalfEven(kBaseline - chart.sum[i] / chart.total * kScale);
            if (top < kBaseline)
                painter.fillRect(QRect(groupBarLeft(i), top, GroupBarWidth, kBaseline - top), barColour);
        }
    }
    painter.restore();
}

LineChart computeLineChart(const Database &db, bool monthly, const QString &from,
                           const std::array<bool, ChartSeriesCount> &shown)
{
    LineChart chart;
    chart.monthly = monthly;
    const DateParts start = ParseDate(from).value_or(DateParts{});
    chart.month = start.month;
    chart.year = start.year;
    switch (start.month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: chart.days = 31; break;
    case 4: case 6: case 9: case 11: chart.days = 30; break;
    case 2: chart.days = start.year % 4 == 0 ? 29 : 28; break; // no century rule, as the program always had
    default: chart.days = start.day; break;
    }
    const RegisterKind registers[ChartSeriesCount] = {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::planned};
    for (int s = 0; s < ChartSeriesCount; ++s) {
        const RegisterKind kind = registers[s];
        for (const Entry &e : db.reg(kind).entries) {
            if (!countsIn(kind, e))
                continue;
            const auto d = ParseDate(e.date);
            if (!d)
                continue;
            if (monthly) {
                // Day t counts the entries dated exactly t.m.y.
                if (d->month == chart.month && d->year == chart.year && d->day >= 1 && d->day <= chart.days
                    && d->day <= 31)
                    chart.series[s][d->day] += e.amount;
            } else if (d->year == chart.year && d->month >= 1 && d->month <= 12) {
                chart.series[s][d->month] += e.amount;
            }
        }
    }
    for (int s = 0; s < ChartSeriesCount; ++s) {
        if (!shown[s])
            continue;
        for (int t = 1; t <= chart.points(); ++t)
            chart.maximum = std::max(chart.maximum, chart.series[s][t]);
    }
    return chart;
}

QString lineChartDescription(const LineChart &chart)
{
    if (chart.monthly)
        return QStringLiteral("Zestawienie miesięcznę danych za miesiąc: %1.%2").arg(chart.month, 2, 10, QLatin1Char('0')).arg(chart.year);
    return QStringLiteral("Zestawienie roczne danych za rok: %1").arg(chart.year);
}

QStringList valueAxisLabels(double maximum)
{
    QStringList labels;
    if (maximum <= 0)
        return labels;
    labels.append(FormatAmount(maximum));
    for (int k = 9; k >= 1; --k)
        labels.append(FormatAmount(maximum / 10 * k));
    return labels;
}

QColor chartColour(int list, int index)
{
    static const QColor defaults[5] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0), QColor(255, 255, 0),
                                       QColor(0, 0, 0)};
    static const QColor items[8] = {QColor(), QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0),
                                    QColor(128, 128, 128), QColor(0, 0, 0), QColor(255, 255, 0), QColor(128, 0, 128)};
    if (index == 0)
        return defaults[std::clamp(list, 1, 5) - 1];
    return index >= 1 && index <= 7 ? items[index] : QColor();
}

void renderLineChart(QPainter &painter, const LineChart &chart, bool gridLines,
                     const std::array<bool, ChartSeriesCount> &shown, const std::array<QColor, ChartSeriesCount> &colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    if (gridLines) {
        if (chart.monthly) {
            for (int j = 0; j <= 30; ++j)
                for (int i = 0; i <= 40; ++i)
                    painter.drawPoint(61 + 18 * j, 30 + roundHalfEven(7.5 * i));
        } else {
            for (int j = 0; j <= 22; ++j)
                for (int i = 0; i <= 20; ++i)
                    painter.drawPoint(61 + 24 * j, 30 + 15 * i);
        }
    }
    for (int i = 0; i <= 10; ++i)
        lineWithoutEnd(painter, QPoint(57, 30 + 30 * i), QPoint(59, 30 + 30 * i));
    const int step = chart.monthly ? 18 : 48;
    for (int i = 0; i <= 30; ++i)
        lineWithoutEnd(painter, QPoint(lineChartTickX(chart.monthly, i + 1), 332), QPoint(lineChartTickX(chart.monthly, i + 1), 335));

    if (chart.maximum > 0) {
        const auto at = [&](int s, int t) {
            return QPoint(60 + step * (t - 1), roundHalfEven(kBaseline - chart.series[s][t] / chart.maximum * kScale));
        };
        for (int s = 0; s < ChartSeriesCount; ++s) {
            if (!shown[s])
                continue;
            const QColor colour = colours[s];
            QPoint current = at(s, 1);
            if (chart.series[s][1] > 0)
                marker(painter, current.x(), current.y(), colour);
            painter.setPen(colour);
            for (int t = 2; t <= chart.points(); ++t) {
                const double value = chart.series[s][t];
                if (value <= 0 && t != chart.points())
                    continue;
                const QPoint next = at(s, t);
                painter.setPen(colour);
                lineWithoutEnd(painter, current, next);
                if (value > 0)
                    marker(painter, next.x(), next.y(), colour);
                current = next;
            }
        }
    }
    painter.restore();
}

} // namespace trelfin
