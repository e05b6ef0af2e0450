#include "core/reports/groupsummary.h"
#include "core/store/real48.h"

#include <QtTest>

using namespace trelfin;

namespace {

Entry entry(const char *date, double amount, int group)
{
    return Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString()};
}

Database databaseWith(std::initializer_list<Entry> expenses, std::initializer_list<Entry> incomes = {},
                      std::initializer_list<Entry> planned = {})
{
    Database db;
    SetDefaultGroups(db.header);
    for (const Entry &e : expenses)
        db.reg(RegisterKind::expenses).append(e);
    for (const Entry &e : incomes)
        db.reg(RegisterKind::incomes).append(e);
    for (const Entry &e : planned)
        db.reg(RegisterKind::planned).append(e);
    return db;
}

// The group numbers of the table's rows, in table order, told by their default names.
QList<int> rowGroups(const GroupSummaryTable &table)
{
    const auto names = defaultGroupNames();
    QList<int> groups;
    for (int i = 1; i <= GroupCount; ++i)
        groups.append(static_cast<int>(std::find(names.begin(), names.end(), table.row(i).name) - names.begin()));
    return groups;
}

const QDate kToday(2024, 6, 15);

} // namespace

class TestGroupSummary : public QObject
{
    Q_OBJECT

private slots:
    // 100.00 in group 1 and 300.00 in group 2, under the three orders.
    void totalBalanceOrders_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<QList<int>>("firstRows");
        QTest::addColumn<QList<int>>("lastRows");
        QTest::newRow("Grupami") << int(SummaryOrder::byGroup) << QList<int>{1, 2, 3} << QList<int>{29, 30};
        QTest::newRow("Rosnąco: largest first") << int(SummaryOrder::largestFirst) << QList<int>{2, 1, 3}
                                                << QList<int>{29, 30};
        QTest::newRow("Malejąco: empty rows first") << int(SummaryOrder::smallestFirst) << QList<int>{3, 4, 5}
                                                    << QList<int>{1, 2};
    }
    void totalBalanceOrders()
    {
        QFETCH(int, order);
        QFETCH(QList<int>, firstRows);
        QFETCH(QList<int>, lastRows);
        const Database db = databaseWith({entry("05-03-2024", 300, 2), entry("01-03-2024", 100, 1)},
                                         {entry("02-03-2024", 1000, 0), entry("bad", 50, 0)});
        const GroupSummary s = computeTotalBalance(db, SummaryOrder(order));
        QCOMPARE(s.total, 400.0);
        QCOMPARE(s.incomeTotal, 1050.0);
        QCOMPARE(s.spanText.value(), QStringLiteral("Od 01-03-2024 do 05-03-2024"));
        QVERIFY(s.rowsFilled);
        const QList<int> groups = rowGroups(s.table);
        QCOMPARE(groups.mid(0, firstRows.size()), firstRows);
        QCOMPARE(groups.mid(GroupCount - lastRows.size()), lastRows);
        for (int i = 1; i <= GroupCount; ++i) {
            const GroupSummaryRow &row = s.table.row(i);
            if (groups.at(i - 1) == 1) {
                QCOMPARE(row.count, 1);
                QCOMPARE(row.sum, 100.0);
                QCOMPARE(s.percent(i), 25.0);
            } else if (groups.at(i - 1) == 2) {
                QCOMPARE(s.percent(i), 75.0);
            } else {
                QCOMPARE(row.count, 0);
            }
        }
    }

    void periodWithoutExpenses()
    {
        const Database db = databaseWith({}, {entry("01-01-2024", 12.5, 0)});
        const GroupSummary s = computeTotalBalance(db, SummaryOrder::byGroup);
        QCOMPARE(s.incomeTotal, 12.5);
        QCOMPARE(s.total, 0.0);
        QVERIFY(!s.rowsFilled);
        QVERIFY(!s.spanText.has_value()); // the page keeps its previous span text
    }

    // Dates that cannot be read never become a bound, but their amounts count in the total balance.
    void unreadableDatesInTheTotalBalance()
    {
        const Database db = databaseWith({entry("10-01-2024", 20, 3), entry("  -  -    ", 10, 3),
                                          entry("09-01-2024", 5, 4)});
        const GroupSummary s = computeTotalBalance(db, SummaryOrder::byGroup);
        QCOMPARE(s.total, 35.0);
        QCOMPARE(s.table.row(3).count, 2);
        QCOMPARE(s.spanText.value(), QStringLiteral("Od 09-01-2024 do 10-01-2024"));
    }

    void spans_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("year") << "year" << "2024" << "" << "01-01-2024" << "31-12-2024";
        QTest::newRow("blank year is today") << "year" << "    " << "" << "15-06-2024" << "15-06-2024";
        QTest::newRow("month") << "month" << "02-2024" << "" << "01-02-2024" << "29-02-2024";
        QTest::newRow("February of a common year") << "month" << "02-2026" << "" << "01-02-2026" << "28-02-2026";
        QTest::newRow("30-day month") << "month" << "09-2026" << "" << "01-09-2026" << "30-09-2026";
        QTest::newRow("31-day month") << "month" << "12-2026" << "" << "01-12-2026" << "31-12-2026";
        QTest::newRow("half-typed month") << "month" << "02-20  " << "" << "15-06-2024" << "15-06-2024";
        QTest::newRow("span") << "span" << "01-01-2024" << "31-12-2024" << "01-01-2024" << "31-12-2024";
        QTest::newRow("swapped span") << "span" << "31-12-2024" << "01-01-2024" << "01-01-2024" << "31-12-2024";
        QTest::newRow("blank bound") << "span" << "01-01-2024" << "  -  -    " << "01-01-2024" << "15-06-2024";
    }
    void spans()
    {
        QFETCH(QString, kind);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, from);
        QFETCH(QString, to);
        ReportSpan span;
        if (kind == QLatin1String("year"))
            span = yearSpan(first, kToday);
        else if (kind == QLatin1String("month"))
            span = monthSpan(first, kToday);
        else
            span = explicitSpan(first, second, kToday);
        QCOMPARE(span.from, from);
        QCOMPARE(span.to, to);
    }

    // Month 02-2024 takes 29-02 and leaves out 01-03; both bounds are inclusive.
    void datedBalance()
    {
        const Database db = databaseWith(
            {entry("01-02-2024", 10, 1), entry("29-02-2024", 30, 1), entry("01-03-2024", 1000, 1),
             entry("31-01-2024", 500, 2), entry("xx-02-2024", 7, 1)},
            {entry("15-02-2024", 100, 0), entry("15-03-2024", 100, 0)});
        const GroupSummary s = computeDatedBalance(db, monthSpan(QStringLiteral("02-2024"), kToday),
                                                   SummaryOrder::byGroup);
        QCOMPARE(s.total, 40.0);
        QCOMPARE(s.incomeTotal, 100.0);
        QCOMPARE(s.table.row(1).count, 2);
        QCOMPARE(s.table.row(2).count, 0);
        QCOMPARE(s.spanText.value(), QStringLiteral("Od 01-02-2024 do 29-02-2024"));

        const GroupSummary empty = computeDatedBalance(db, yearSpan(QStringLiteral("1999"), kToday),
                                                       SummaryOrder::byGroup);
        QVERIFY(!empty.rowsFilled);
        QCOMPARE(empty.spanText.value(), QStringLiteral("Od 01-01-1999 do 31-12-1999"));
    }

    // Settled planned entries are left out everywhere; the total forecast's span still starts at
    // planned entry 1, settled or not.
    void forecast()
    {
        const Database db = databaseWith({}, {},
                                         {entry("01-01-2024", 500, SettledGroup), entry("10-03-2024", 50, 3),
                                          entry("20-03-2024", 150, 7)});
        const GroupSummary total = computeTotalForecast(db, SummaryOrder::byGroup);
        QCOMPARE(total.total, 200.0);
        QCOMPARE(total.spanText.value(), QStringLiteral("Od 01-01-2024 do 20-03-2024"));
        QCOMPARE(total.percent(3), 25.0);
        QCOMPARE(total.percent(7), 75.0);

        const GroupSummary dated = computeDatedForecast(
            db, explicitSpan(QStringLiteral("01-01-2024"), QStringLiteral("31-03-2024"), kToday),
            SummaryOrder::byGroup);
        QCOMPARE(dated.total, 200.0);
        QCOMPARE(dated.percent(7), 75.0);

        const Database settled = databaseWith({}, {}, {entry("01-01-2024", 500, SettledGroup)});
        const GroupSummary none = computeTotalForecast(settled, SummaryOrder::byGroup);
        QCOMPARE(none.total, 0.0);
        QVERIFY(!none.rowsFilled);
    }

    // Group sums are held as six-byte reals: each addition is rounded into that form.
    void sumsAreSixByteReals()
    {
        GroupSummaryTable table;
        table.initialise(defaultGroupNames());
        double plain = 0.0;
        for (int i = 0; i < 1000; ++i) {
            table.add(5, 0.01);
            plain += 0.01;
        }
        const double sum = table.row(5).sum;
        QCOMPARE(Real48::fromDouble(sum)->toDouble(), sum);
        QVERIFY(sum != plain);
        QVERIFY(std::fabs(sum - 10.0) < 1e-6);
        table.add(0, 5);
        table.add(31, 5);
        QCOMPARE(table.row(1).count, 0);
    }

    // Equal sums keep their order whichever way the rows are sorted.
    void equalSumsKeepTheirOrder()
    {
        GroupSummaryTable table;
        table.initialise(defaultGroupNames());
        table.add(4, 10);
        table.add(9, 10);
        table.add(2, 20);
        sortGroupSummary(table, true);
        QCOMPARE(rowGroups(table).mid(0, 4), (QList<int>{2, 4, 9, 1}));
        sortGroupSummary(table, false);
        QCOMPARE(rowGroups(table).mid(GroupCount - 3), (QList<int>{4, 9, 2}));
    }
};

QTEST_APPLESS_MAIN(TestGroupSummary)
#include "tst_groupsummary.moc"
