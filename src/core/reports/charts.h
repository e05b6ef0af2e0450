#pragma once

#include "core/store/database.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

class QPainter;

namespace trelfin {

// ---- The group breakdown charts -------------------------------------------------------------

// A span's entries of one register by group: sums and counts of groups 1..30 and their total.
// Planned entries carrying the settled marker have no group and count nowhere.
struct GroupChart
{
    std::array<double, GroupCount + 1> sum{};  // [1..30]
    std::array<int, GroupCount + 1> count{};
    double total = 0.0;
};

GroupChart computeGroupChart(const Database &db, RegisterKind kind, const QString &from, const QString &to);

// The grid below the chart: rows "01".."30" with the group's name and count, and its value and
// percent when its sum is above 0 (empty cells otherwise).
QVector<QStringList> groupChartRowTexts(const Database &db, const GroupChart &chart);

// Where the charts stand in their window (client x): group g's bar (1..30) starts at
// groupBarLeft(g) and is GroupBarWidth wide; the tick under position t (1-based: a day of a month,
// or a month of a year) of a line chart is at lineChartTickX.
constexpr int GroupBarWidth = 15;
constexpr int groupBarLeft(int group) { return 18 * group + 48; }
constexpr int lineChartTickX(bool monthly, int position) { return 61 + (monthly ? 18 : 48) * (position - 1); }

// Draws the chart in client coordinates (baseline y = 330, full scale y = 30): with grid lines
// the 30 slots in `slotColour` and 21 dotted lines; then a bar per group in `barColour`.
void renderGroupChart(QPainter &painter, const GroupChart &chart, bool gridLines, const QColor &slotColour,
                      const QColor &barColour);

// ---- The monthly and yearly line charts ------------------------------------------------------

enum ChartSeriesKind { expenseSeries = 0, incomeSeries, plannedSeries };
constexpr int ChartSeriesCount = 3;

struct LineChart
{
    bool monthly = true;
    int month = 0;
    int year = 0;
    int days = 0;   // days of the month (monthly chart)
    // Values by position 1..31 (day) or 1..12 (month); [0] unused.
    std::array<std::array<double, 32>, ChartSeriesCount> series{};
    // The largest value of the series switched on; 0 when none is positive.
    double maximum = 0.0;

    // The number of positions drawn: 31 for a month whatever its length, 12 for a year.
    int points() const { return monthly ? 31 : 12; }
};

// The chart of the month (or year) of `from` ("dd-mm-yyyy"), over the series switched on in `shown`.
LineChart computeLineChart(const Database &db, bool monthly, const QString &from,
                           const std::array<bool, ChartSeriesCount> &shown);

// The chart's description line ("Zestawienie miesięcznę danych za miesiąc: 03.2024", "Zestawienie
// roczne danych za rok: 2024").
QString lineChartDescription(const LineChart &chart);

// The value-axis labels L10..L1 (maximum, then maximum ÷ 10 × k for k = 9..1), "0.00"; nothing when
// the maximum is 0 (the labels then keep what they showed).
QStringList valueAxisLabels(double maximum);

// The colour of item `index` of the colour list `list` (1..5); item 0 is the list's default.
QColor chartColour(int list, int index);

// Draws the line chart in client coordinates: grid dots (with grid lines), the axis ticks, and each
// series switched on with markers on its positive values.
void renderLineChart(QPainter &painter, const LineChart &chart, bool gridLines,
                     const std::array<bool, ChartSeriesCount> &shown, const std::array<QColor, ChartSeriesCount> &colours);

} // namespace trelfin
