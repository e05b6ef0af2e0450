#include "filetestsupport.h"
#include "core/reports/groupsummary.h"
#include "core/reports/periodsummary.h"
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace trelfin;

namespace {

Entry entry(const char *date, double amount, int group, const char *description = "")
{
    return Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString::fromUtf8(description)};
}

} // namespace

// The summary across periods, every figure worked out by hand on a database of three periods.
class TestPeriodSummary : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2005, 3, 14)};

    // Period 1 and 2 saved; period 3 current with an expense not saved yet.
    void makeDatabase(Database &db)
    {
        test::LineSink sink;
        InitialiseNewDatabase(db, m_dir.filePath(QStringLiteral("budzet.tf4")), m_clock);
        db.header.periods[1].periodName = QStringLiteral("styczeń");
        for (const Entry &e : {entry("05-01-2005", 1000, 0), entry("20-01-2005", 500, 0)})
            db.reg(RegisterKind::incomes).append(e);
        db.reg(RegisterKind::expenses).append(entry("06-01-2005", 100, 1));
        db.reg(RegisterKind::expenses).append(entry("07-01-2005", 50, 2));
        db.reg(RegisterKind::debts).append(entry("08-01-2005", 300, 1)); // a debt taken
        db.reg(RegisterKind::debts).append(entry("09-01-2005", 100, 3)); // of it paid back
        db.reg(RegisterKind::debts).append(entry("10-01-2005", 80, 2));  // a loan given
        db.reg(RegisterKind::planned).append(entry("30-01-2005", 40, 3));
        db.reg(RegisterKind::planned).append(entry("15-01-2005", 60, SettledGroup));
        db.reg(RegisterKind::bankAccount).append(entry("02-01-2005", 1000, 1));
        db.reg(RegisterKind::bankAccount).append(entry("03-01-2005", 200, 2));
        db.reg(RegisterKind::bankAccount).append(entry("04-01-2005", 5, 3));
        QVERIFY(SavePeriodFiles(db, 0, m_clock, sink));

        QVERIFY(AppendPeriod(db, m_clock));
        db.header.periods[2].periodName = QStringLiteral("luty");
        db.reg(RegisterKind::bankAccount).entries.clear(); // a new period keeps the account: not here
        db.reg(RegisterKind::incomes).append(entry("10-02-2005", 2000, 0));
        db.reg(RegisterKind::expenses).append(entry("11-02-2005", 300, 1));
        db.reg(RegisterKind::bankAccount).append(entry("12-02-2005", 500, 1));
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));

        QVERIFY(AppendPeriod(db, m_clock));
        db.header.periods[3].periodName = QStringLiteral("marzec");
        db.reg(RegisterKind::bankAccount).entries.clear();
        QVERIFY(SavePeriodFiles(db, 2, m_clock, sink));
        db.reg(RegisterKind::expenses).append(entry("01-03-2005", 10, 2)); // not saved
        db.modified = true;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void everyFigure()
    {
        Database db;
        makeDatabase(db);
        const PeriodsSummary s = SummarisePeriods(db, 1, 3);
        QCOMPARE(s.periods.size(), 3);
        QVERIFY(s.unreadable.isEmpty());
        const PeriodFigures &jan = s.periods[0];
        QCOMPARE(jan.name, QStringLiteral("styczeń"));
        QVERIFY(jan.read);
        QCOMPARE(jan.incomes, 1500.0);
        QCOMPARE(jan.expenses, 150.0);
        QCOMPARE(jan.difference, 1350.0);
        QCOMPARE(jan.loansOpen, 80.0);
        QCOMPARE(jan.debtsOpen, 200.0);
        QCOMPARE(jan.plannedOpen, 40.0);
        QCOMPARE(jan.bankBalance, 795.0);
        QCOMPARE(jan.groups[1], 100.0);
        QCOMPARE(jan.groups[2], 50.0);
        const PeriodFigures &feb = s.periods[1];
        QCOMPARE(feb.incomes, 2000.0);
        QCOMPARE(feb.expenses, 300.0);
        QCOMPARE(feb.difference, 1700.0);
        QCOMPARE(feb.loansOpen + feb.debtsOpen + feb.plannedOpen, 0.0);
        QCOMPARE(feb.bankBalance, 500.0);
        // The current period counts what is in memory, unsaved changes included.
        const PeriodFigures &mar = s.periods[2];
        QCOMPARE(mar.expenses, 10.0);
        QCOMPARE(mar.difference, -10.0);
        QCOMPARE(mar.groups[2], 10.0);

        QCOMPARE(s.readCount, 3);
        QCOMPARE(s.total.incomes, 3500.0);
        QCOMPARE(s.total.expenses, 460.0);
        QCOMPARE(s.total.difference, 3040.0);
        QCOMPARE(s.total.bankBalance, 0.0); // the last period's
        QCOMPARE(s.total.groups[1], 400.0);
        QCOMPARE(s.total.groups[2], 60.0);
        QCOMPARE(s.average(1), 400.0 / 3);
        QCOMPARE(s.share(1), 400.0 / 460.0 * 100.0);

        // The tables as the window, the clipboard and the command line show them.
        const QVector<QStringList> rows = periodTableRows(s);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].mid(3), QStringList({"1500,00", "150,00", "1350,00", "80,00", "200,00", "40,00", "795,00"}));
        QCOMPARE(rows[3].first(), QStringLiteral("Razem"));
        const QVector<QStringList> groups = groupTableRows(db, s);
        QCOMPARE(groups[0], QStringList({"ŻYWNOŚĆ", "100,00", "300,00", "0,00", "400,00", "133,33", "86,9565"}));
        QVERIFY(PeriodsSummaryText(db, s).startsWith(QStringLiteral("Okres\tOd\tDo\tPrzychód")));
    }

    // A period that cannot be read is named, and the others are still summed.
    void unreadablePeriod()
    {
        Database db;
        makeDatabase(db);
        test::writeFileBytes(m_dir.filePath(QStringLiteral("budzet.1")), QByteArray(100, 'x'));
        const PeriodsSummary s = SummarisePeriods(db, 1, 3);
        QCOMPARE(s.unreadable, QStringList({QStringLiteral("okres 2 (budzet.1)")}));
        QVERIFY(!s.periods[1].read);
        QCOMPARE(s.readCount, 2);
        QCOMPARE(s.total.incomes, 1500.0);
        QCOMPARE(s.total.expenses, 160.0);
        QCOMPARE(periodTableRows(s)[1].at(3), QStringLiteral("nie można odczytać"));
    }

    // One period summed equals its own balance page; ranges are clamped to the database; the
    // default range is the last twelve.
    void onePeriodAndRanges()
    {
        Database db;
        makeDatabase(db);
        const PeriodsSummary one = SummarisePeriods(db, 3, 3);
        const GroupSummary page = computeTotalBalance(db, SummaryOrder::byGroup);
        QCOMPARE(one.total.incomes, page.incomeTotal);
        QCOMPARE(one.total.expenses, page.total);
        for (int g = 1; g <= GroupCount; ++g)
            QCOMPARE(one.total.groups[g], page.table.row(g).sum);
        // A period summed from its file's bytes gives what it gives when it is the one in memory.
        Database first = db;
        test::LineSink sink;
        first.currentPeriod = 1;
        QVERIFY(LoadPeriod(first, 0, sink));
        const PeriodFigures fromDisk = SummarisePeriods(db, 1, 1).periods.first();
        const PeriodFigures inMemory = SummarisePeriods(first, 1, 1).periods.first();
        for (const auto member : {&PeriodFigures::incomes, &PeriodFigures::expenses, &PeriodFigures::difference,
                                  &PeriodFigures::loansOpen, &PeriodFigures::debtsOpen, &PeriodFigures::plannedOpen,
                                  &PeriodFigures::bankBalance})
            QCOMPARE(fromDisk.*member, inMemory.*member);
        QCOMPARE(fromDisk.groups, inMemory.groups);
        QCOMPARE(SummarisePeriods(db, 0, 50).periods.size(), 3);
        QCOMPARE(DefaultSummaryRange(db), std::make_pair(1, 3));
        db.header.periodCount = 20;
        QCOMPARE(DefaultSummaryRange(db), std::make_pair(9, 20));
        // Stopped through the progress callback: the periods done so far.
        db.header.periodCount = 3;
        int calls = 0;
        const PeriodsSummary stopped = SummarisePeriods(db, 1, 3, [&calls](int done, int all) {
            ++calls;
            return !(done == 2 && all == 3);
        });
        QCOMPARE(calls, 2);
        QCOMPARE(stopped.periods.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPeriodSummary)
#include "tst_periodsummary.moc"
