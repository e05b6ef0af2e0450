#include "registerfixture.h"

#include "core/registers/rowtext.h"
#include "core/registers/settle.h"

#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

class TestSettle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The expense is a copy of the planned entry, which stays and shows "DOKONANE".
    void copiesAndMarks()
    {
        Database db;
        SetDefaultGroups(db.header);
        RecordingSink sink;
        fill(db, RegisterKind::expenses, 1);
        const Entry rent = entry(QStringLiteral("15-04-2005"), 120, 3, QStringLiteral("Czynsz"));
        db.reg(RegisterKind::planned).append(rent);

        const SettleResult result = settlePlanned(db, 1, 1, sink);
        QCOMPARE(result.settled, 1);
        QCOMPARE(db.expenseCount(), 2);
        QCOMPARE(db.reg(RegisterKind::expenses).entries[1], rent);
        QCOMPARE(db.plannedCount(), 1);
        QCOMPARE(registerRowCells(db, RegisterKind::planned, 1),
                 QStringList({"15-04-2005", "120,00", "DOKONANE  ", "Czynsz"}));
        QVERIFY(db.modified);
        QVERIFY(sink.messages.isEmpty());
    }

    void selection_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QStringList>("copied");
        // Planned rows 1..5 described "1".."5"; row 2 is already settled.
        QTest::newRow("three rows, one settled") << 1 << 3 << QStringList({"1", "3"});
        QTest::newRow("only the settled row") << 2 << 2 << QStringList();
        QTest::newRow("bottom before top") << 4 << 3 << QStringList({"3", "4"});
        QTest::newRow("past the end") << 5 << 9 << QStringList({"5"});
        QTest::newRow("title row") << 0 << 0 << QStringList();
    }

    void selection()
    {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QStringList, copied);
        Database db;
        RecordingSink sink;
        fill(db, RegisterKind::planned, 5);
        db.reg(RegisterKind::planned).entries[1].group = SettledGroup;
        const SettleResult result = settlePlanned(db, top, bottom, sink);
        QCOMPARE(descriptions(db.reg(RegisterKind::expenses)), copied);
        QCOMPARE(result.settled, copied.size());
        for (const Entry &e : db.reg(RegisterKind::planned).entries) {
            const bool settled = e.description == u"2" || copied.contains(e.description);
            QCOMPARE(e.group == SettledGroup, settled);
        }
    }

    void settlingTwiceCopiesOnce()
    {
        Database db;
        RecordingSink sink;
        fill(db, RegisterKind::planned, 2);
        settlePlanned(db, 1, 2, sink);
        const SettleResult again = settlePlanned(db, 1, 2, sink);
        QCOMPARE(again.settled, 0);
        QCOMPARE(db.expenseCount(), 2);
    }

    // One place left among the expenses: the first row is settled, the message is shown once, and
    // the rows after it stay planned.
    void stopsWhenExpensesAreFull()
    {
        Database db;
        RecordingSink sink;
        fill(db, RegisterKind::expenses, MaxEntries - 1);
        fill(db, RegisterKind::planned, 3);
        const SettleResult result = settlePlanned(db, 1, 3, sink);
        QCOMPARE(result.settled, 1);
        QVERIFY(result.limitReached);
        QCOMPARE(db.expenseCount(), MaxEntries);
        QCOMPARE(sink.messages, QList<UserMessage>{settleFullMessage()});
        QCOMPARE(sink.messages.first().line1, QStringLiteral("Za dużo danych w bazie Rozchód"));
        const auto &planned = db.reg(RegisterKind::planned).entries;
        QCOMPARE(planned[0].group, SettledGroup);
        QCOMPARE(planned[1].group, 1);
        QCOMPARE(planned[2].group, 1);
    }

    void emptyPlannedRegisterChangesNothing()
    {
        Database db;
        RecordingSink sink;
        const SettleResult result = settlePlanned(db, 1, 1, sink);
        QCOMPARE(result.settled, 0);
        QVERIFY(!db.modified);
        QCOMPARE(db.expenseCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSettle)
#include "tst_settle.moc"
