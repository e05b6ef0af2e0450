#include "filetestsupport.h"
#include "core/store/database.h"
#include "core/tools/recurring.h"

#include <QtTest>

using namespace trelfin;

class TestRecurring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void amountTexts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "1500" << 1500.0 << "1500";
        QTest::newRow("two decimals") << "12,34" << 12.34 << "12,34";
        QTest::newRow("grouped") << "1 500,5" << 1500.5 << "1500,5";
        QTest::newRow("three decimals are refused") << "12,345" << -1.0 << "";
        QTest::newRow("a minus is refused") << "-15" << -1.0 << "";
        QTest::newRow("empty") << "" << 0.0 << "0";
    }
    void amountTexts()
    {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        const std::optional<Real48> amount = RecurringAmountFrom(typed);
        QCOMPARE(amount.has_value(), stored >= 0);
        if (!amount)
            return;
        QCOMPARE(amount->toDouble(), Real48::fromDouble(stored)->toDouble());
        QCOMPARE(RecurringAmountText(*amount), shown);
    }

    // Active rows in order, dated today, rounded to two decimals; inactive ones add nothing;
    // posting twice gives duplicates; a full register stops with its message.
    void posting()
    {
        Database db;
        SetDefaultGroups(db.header);
        db.recurringExpenses[0] = {true, 2, *Real48::fromDouble(12.344), QStringLiteral("czynsz")};
        db.recurringExpenses[1] = {false, 0, *Real48::fromDouble(5), QStringLiteral("nie")};
        db.recurringExpenses[4] = {true, 0, Real48(), QStringLiteral("opis")};
        test::LineSink sink;
        QCOMPARE(PostRecurringExpenses(db, QDate(2004, 5, 12), sink), 2);
        QCOMPARE(db.reg(RegisterKind::expenses).entries,
                 (QVector<Entry>{{QStringLiteral("12-05-2004"), 12.34, 3, QStringLiteral("czynsz")},
                                 {QStringLiteral("12-05-2004"), 0.0, 1, QStringLiteral("opis")}}));
        QVERIFY(db.modified);
        QCOMPARE(PostRecurringExpenses(db, QDate(2004, 5, 12), sink), 2);
        QCOMPARE(db.expenseCount(), 4);

        db.recurringIncomes[3] = {true, QStringLiteral("  "), *Real48::fromDouble(2500), QStringLiteral("pensja")};
        for (int i = db.incomeCount(); i < MaxEntries - 1; ++i)
            db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("01-05-2004"), 1, 0, QString()});
        db.recurringIncomes[4] = {true, QString(), *Real48::fromDouble(1), QStringLiteral("druga")};
        QCOMPARE(PostRecurringIncomes(db, QDate(2004, 5, 12), sink), 1);
        QCOMPARE(db.incomeCount(), MaxEntries);
        QCOMPARE(db.reg(RegisterKind::incomes).entries.last().description, QStringLiteral("pensja"));
        QCOMPARE(sink.messages, QStringList({"Za dużo danych w bazie przychody|"}));
    }
};

QTEST_GUILESS_MAIN(TestRecurring)
#include "tst_recurring.moc"
