#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/sidefiles.h"
#include "core/tools/exampledatabase.h"
#include "core/tools/notes.h"
#include "core/tools/reminders.h"

#include "filetestsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace trelfin;

class TestExampleDatabase : public QObject
{
    Q_OBJECT

private slots:
    void readsBackAsWritten_data();
    void readsBackAsWritten();
    void sameDayGivesSameDatabase();
};

void TestExampleDatabase::readsBackAsWritten_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("periodNames");
    QTest::newRow("december") << QDate(2026, 12, 10) << QStringList{"wrzesień", "październik", "listopad"};
    QTest::newRow("january, the year before") << QDate(2027, 1, 1) << QStringList{"październik", "listopad", "grudzień"};
    QTest::newRow("last day of a long month") << QDate(2027, 3, 31) << QStringList{"grudzień", "styczeń", "luty"};
}

// The example goes through the program's own readers: the record, every period file and both
// side files come back with what the generator meant to write, and opening it on the day it was
// written finds exactly one planned expense and one note due.
void TestExampleDatabase::readsBackAsWritten()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, periodNames);
    QTemporaryDir dir;
    test::LineSink sink;
    const ExampleDatabase example = BuildExampleDatabase(today);
    QVERIFY(WriteExampleDatabase(example, dir.filePath("przyklad"), sink));
    QVERIFY(sink.messages.isEmpty());

    Database db;
    SplitDatabasePath(db, dir.filePath("przyklad/przyklad.tf4"));
    QVERIFY(ReadDatabaseRecord(db, sink));
    QCOMPARE(db.header, example.header);
    QCOMPARE(int(db.header.periodCount), 3);
    QVERIFY(db.header.password.isEmpty());
    QVERIFY(!db.header.ownerName.trimmed().isEmpty());
    for (int p = 1; p <= 3; ++p)
        QCOMPARE(db.header.periods[p].periodName, periodNames.at(p - 1));

    for (int k = 0; k < 3; ++k) {
        QVERIFY2(LoadPeriod(db, k, sink), qPrintable(sink.messages.join('\n')));
        const ExamplePeriod &written = example.periods[k];
        for (int r = 0; r < RegisterCount; ++r) {
            const Register &reg = db.registers[r];
            QVERIFY2(reg.count() >= 40 && reg.count() <= 80,
                     qPrintable(QStringLiteral("period %1 register %2: %3 entries").arg(k + 1).arg(r).arg(reg.count())));
            QCOMPARE(reg.count(), written.registers[r].count());
            double total = 0.0, intended = 0.0;
            for (int i = 0; i < reg.count(); ++i) {
                total += reg.entries[i].amount;
                intended += written.registers[r].entries[i].amount;
            }
            QCOMPARE(total, intended);
            QVERIFY(total > 0.0);
        }
        QCOMPARE(db.recurringIncomes, written.recurringIncomes);
        QCOMPARE(db.recurringExpenses, written.recurringExpenses);
        QVERIFY(db.recurringIncomes[0].active && db.recurringExpenses[0].active);

        int due = 0;
        for (const Entry &e : db.reg(RegisterKind::planned).entries)
            due += IsDueEntry(e, today) ? 1 : 0;
        QCOMPARE(due, k == 0 ? 1 : 0);
    }

    QVERIFY(ReadShoppingList(db));
    QVERIFY(ReadNotes(db));
    int items = 0, notes = 0, dueNotes = 0;
    for (const ShoppingItem &item : db.shoppingItems)
        items += item.isEmpty() ? 0 : 1;
    for (const Note &note : db.notes) {
        notes += note.isEmpty() ? 0 : 1;
        dueNotes += IsNoteDue(note, today) ? 1 : 0;
    }
    QCOMPARE(items, 12);
    QCOMPARE(notes, 3);
    QCOMPARE(dueNotes, 1);
}

void TestExampleDatabase::sameDayGivesSameDatabase()
{
    const QDate day(2026, 12, 10);
    const ExampleDatabase a = BuildExampleDatabase(day);
    const ExampleDatabase b = BuildExampleDatabase(day);
    QCOMPARE(a.header, b.header);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(a.periods[k].registers, b.periods[k].registers);
}

QTEST_GUILESS_MAIN(TestExampleDatabase)
#include "tst_exampledatabase.moc"
