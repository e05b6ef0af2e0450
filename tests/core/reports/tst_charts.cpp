#include "core/reports/charts.h"
#include "core/store/database.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace trelfin;

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QImage canvas(int height = 453)
{
    QImage image(632, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

int countOf(const QImage &image, const QColor &colour, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(image, x, y) == colour;
    return n;
}

Database withEntries(RegisterKind kind, const QList<Entry> &entries)
{
    Database db;
    SetDefaultGroups(db.header);
    for (const Entry &e : entries)
        db.reg(kind).append(e);
    return db;
}

Entry entry(const char *date, double amount, int group = 1)
{
    return Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString()};
}

const std::array<bool, ChartSeriesCount> kAll = {true, true, true};
const std::array<QColor, ChartSeriesCount> kColours = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};

} // namespace

class TestCharts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // 100 and 300 in groups 1 and 2: rows with their shares, bars from y = 255 and y = 105 to
    // the baseline (329 the last row painted).
    void groupBars()
    {
        const Database db = withEntries(RegisterKind::expenses, {entry("10-05-2004", 100, 1), entry("11-05-2004", 300, 2),
                                                                 entry("01-06-2004", 999, 3)});
        const GroupChart chart = computeGroupChart(db, RegisterKind::expenses, QStringLiteral("01-05-2004"),
                                                   QStringLiteral("31-05-2004"));
        const QVector<QStringList> rows = groupChartRowTexts(db, chart);
        QCOMPARE(rows[0], QStringList({"01", "ŻYWNOŚĆ   ", "1", "100,00", "25,0000"}));
        QCOMPARE(rows[1], QStringList({"02", "ODZIEŻ    ", "1", "300,00", "75,0000"}));
        QCOMPARE(rows[2], QStringList({"03", "KOSMETYKI ", "0", "", ""}));

        QImage image = canvas();
        QPainter painter(&image);
        renderGroupChart(painter, chart, false, QColor(128, 128, 128), kYellow);
        painter.end();
        QCOMPARE(at(image, 66, 255), kYellow);
        QCOMPARE(at(image, 80, 329), kYellow);
        QCOMPARE(at(image, 66, 254), QColor(Qt::white));
        QCOMPARE(at(image, 66, 330), QColor(Qt::white));
        QCOMPARE(at(image, 81, 300), QColor(Qt::white));
        QCOMPARE(at(image, 84, 105), kYellow);
        QCOMPARE(at(image, 84, 104), QColor(Qt::white));
        // Without "Linie siatki": no slots, no dots.
        QCOMPARE(at(image, 138, 200), QColor(Qt::white));
        QCOMPARE(at(image, 61, 30), QColor(Qt::white));

        QImage grid = canvas();
        QPainter gridPainter(&grid);
        renderGroupChart(gridPainter, chart, true, QColor(128, 128, 128), kYellow);
        gridPainter.end();
        QCOMPARE(at(grid, 138, 200), QColor(128, 128, 128));
        QCOMPARE(at(grid, 61, 30), QColor(Qt::black));
        QCOMPARE(at(grid, 62, 30), QColor(Qt::white));
        QCOMPARE(at(grid, 63, 330), QColor(Qt::black));
    }

    // A settled planned entry has no group: it counts in neither chart.
    void settledPlannedEntries()
    {
        const Database db = withEntries(RegisterKind::planned, {entry("10-05-2004", 50, SettledGroup), entry("10-05-2004", 20, 4)});
        const GroupChart chart = computeGroupChart(db, RegisterKind::planned, QStringLiteral("01-05-2004"),
                                                   QStringLiteral("31-05-2004"));
        QCOMPARE(chart.total, 20.0);
        const LineChart line = computeLineChart(db, true, QStringLiteral("01-05-2004"), kAll);
        QCOMPARE(line.series[plannedSeries][10], 20.0);
        QCOMPARE(line.maximum, 20.0);
    }

    // March 2024, expenses of 50 on the 3rd and 100 on the 10th.
    void monthlyLines()
    {
        const Database db = withEntries(RegisterKind::expenses, {entry("03-03-2024", 50), entry("10-03-2024", 100)});
        const LineChart chart = computeLineChart(db, true, QStringLiteral("01-03-2024"), kAll);
        QCOMPARE(chart.maximum, 100.0);
        QCOMPARE(lineChartDescription(chart), QStringLiteral("Zestawienie miesięcznę danych za miesiąc: 03.2024"));
        const QStringList labels = valueAxisLabels(chart.maximum);
        QCOMPARE(labels.first(), QStringLiteral("100,00"));
        QCOMPARE(labels.last(), QStringLiteral("10,00"));

        // Only the expenses: the empty series would run along the baseline over the expenses' line.
        const std::array<bool, ChartSeriesCount> expensesOnly = {true, false, false};
        QImage image = canvas(435);
        QPainter painter(&image);
        renderLineChart(painter, chart, false, expensesOnly, kColours);
        painter.end();
        // Markers at (96, 180) and (222, 30): a border in the line's colour around a white centre.
        for (const QPoint p : {QPoint(96, 180), QPoint(222, 30)}) {
            QCOMPARE(at(image, p.x() - 2, p.y() - 3), kRed);
            QVERIFY(countOf(image, Qt::white, QRect(p.x() - 1, p.y() - 2, 4, 4)) >= 1);
        }
        // The line starts at (60, 330) without a marker and ends one pixel short of (600, 330).
        QCOMPARE(at(image, 60, 330), kRed);
        QCOMPARE(at(image, 59, 333), QColor(Qt::white));
        QCOMPARE(at(image, 600, 330), QColor(Qt::white));
        QVERIFY(countOf(image, kRed, QRect(598, 328, 2, 3)) >= 1);
        // A series switched on with no value runs along the baseline to position 31.
        QImage all = canvas(435);
        QPainter allPainter(&all);
        renderLineChart(allPainter, chart, false, kAll, kColours);
        allPainter.end();
        QCOMPARE(at(all, 300, 330), QColor(0, 128, 0));
        QCOMPARE(at(all, 600, 330), QColor(Qt::white));
        // Ticks, no grid dots.
        QCOMPARE(at(image, 57, 30), QColor(Qt::black));
        QCOMPARE(at(image, 61, 332), QColor(Qt::black));
        QCOMPARE(at(image, 61, 30), QColor(Qt::white));
        // With "Linie siatki" the dots.
        QImage grid = canvas(435);
        QPainter gridPainter(&grid);
        renderLineChart(gridPainter, chart, true, kAll, kColours);
        gridPainter.end();
        QCOMPARE(at(grid, 61, 38), QColor(Qt::black)); // 30 + round(7.5) = 38

        // No series switched on: nothing but the ticks.
        const LineChart none = computeLineChart(db, true, QStringLiteral("01-03-2024"), {false, false, false});
        QCOMPARE(none.maximum, 0.0);
        QVERIFY(valueAxisLabels(none.maximum).isEmpty());
        QImage empty = canvas(435);
        QPainter emptyPainter(&empty);
        renderLineChart(emptyPainter, none, false, {false, false, false}, kColours);
        emptyPainter.end();
        QCOMPARE(countOf(empty, kRed, empty.rect()), 0);
    }

    void monthLengthsAndYears()
    {
        const Database db = withEntries(RegisterKind::incomes, {entry("15-07-2024", 10, 0), entry("15-07-2023", 99, 0)});
        QCOMPARE(computeLineChart(db, true, QStringLiteral("01-02-2100"), kAll).days, 29);
        QCOMPARE(computeLineChart(db, true, QStringLiteral("01-02-2023"), kAll).days, 28);
        QCOMPARE(computeLineChart(db, true, QStringLiteral("01-04-2023"), kAll).days, 30);
        const LineChart year = computeLineChart(db, false, QStringLiteral("01-01-2024"), kAll);
        QCOMPARE(year.series[incomeSeries][7], 10.0);
        QCOMPARE(year.maximum, 10.0);
        QCOMPARE(year.points(), 12);
        QCOMPARE(lineChartDescription(year), QStringLiteral("Zestawienie roczne danych za rok: 2024"));
    }

    void colours()
    {
        QCOMPARE(chartColour(2, 4), QColor(128, 128, 128)); // "Szary"
        QCOMPARE(chartColour(2, 0), QColor(0, 0, 255));     // "(Domyślny)" of the incomes list
        QCOMPARE(chartColour(1, 0), QColor(255, 0, 0));
        QCOMPARE(chartColour(3, 7), QColor(128, 0, 128));
        QVERIFY(!chartColour(1, 8).isValid());
    }
};

QTEST_MAIN(TestCharts)
#include "tst_charts.moc"
