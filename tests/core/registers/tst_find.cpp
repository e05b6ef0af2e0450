#include "registerfixture.h"

#include "core/registers/find.h"

#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

namespace {

// Rows as the grid shows them:
// 1 "01-03-2005" "3,50"   "PIECZYWO" "Chleb"
// 2 "02-03-2005" "12,50"  "UBRANIA"  "Kurtka"
// 3 "03-03-2005" "4,00"   "PIECZYWO" "CHLEB razowy"
// 4 "04-03-2005" "7,00"   "ZUPY"     "Żurek"
// 5 "05-03-2005" "100,00" "UBRANIA"  "buty"
Database expensesFixture()
{
    Database db;
    db.header.groupNames[1] = QStringLiteral("PIECZYWO");
    db.header.groupNames[2] = QStringLiteral("UBRANIA");
    db.header.groupNames[3] = QStringLiteral("ZUPY");
    Register &r = db.reg(RegisterKind::expenses);
    r.append(entry(QStringLiteral("01-03-2005"), 3.5, 1, QStringLiteral("Chleb")));
    r.append(entry(QStringLiteral("02-03-2005"), 12.5, 2, QStringLiteral("Kurtka")));
    r.append(entry(QStringLiteral("03-03-2005"), 4, 1, QStringLiteral("CHLEB razowy")));
    r.append(entry(QStringLiteral("04-03-2005"), 7, 3, QStringLiteral("Żurek")));
    r.append(entry(QStringLiteral("05-03-2005"), 100, 2, QStringLiteral("buty")));
    return db;
}

} // namespace

class TestFind : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void findNext_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("restart");
        QTest::addColumn<int>("from");      // the selected top row after a restart, else findRow
        QTest::addColumn<int>("found");     // 0: nothing found
        QTest::newRow("restart finds the selected row") << "chleb" << false << true << true << 1 << 1;
        QTest::newRow("next match, other case") << "chleb" << false << true << false << 1 << 3;
        QTest::newRow("wraps past the end") << "chleb" << false << true << false << 3 << 1;
        QTest::newRow("upwards") << "chleb" << false << false << false << 3 << 1;
        QTest::newRow("upwards wraps past row 1") << "chleb" << false << false << false << 1 << 3;
        QTest::newRow("match case finds neither") << "chleb" << true << true << true << 1 << 0;
        QTest::newRow("match case, exact") << "CHLEB" << true << true << false << 3 << 3;
        QTest::newRow("only row 1, from the last") << "3,50" << false << true << true << 5 << 1;
        QTest::newRow("Polish letter folded") << "żu" << false << true << true << 1 << 4;
        QTest::newRow("Polish letter, match case") << "żu" << true << true << true << 1 << 0;
        QTest::newRow("amount into group") << "50UBR" << false << true << true << 1 << 2;
        QTest::newRow("date into amount") << "2005100," << false << true << true << 1 << 5;
        QTest::newRow("group into description") << "zupyżurek" << false << true << true << 1 << 4;
        QTest::newRow("row left by a longer grid") << "kurtka" << false << true << false << 40 << 2;
        QTest::newRow("nowhere") << "masło" << false << true << true << 2 << 0;
        QTest::newRow("empty text") << "" << false << true << true << 2 << 0;
    }

    void findNext()
    {
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, down);
        QFETCH(bool, restart);
        QFETCH(int, from);
        QFETCH(int, found);
        const Database db = expensesFixture();
        FindState state{restart ? 0 : from, restart};
        const auto row = trelfin::findNext(db, RegisterKind::expenses, state, FindRequest{text, matchCase, down}, from);
        QCOMPARE(row.value_or(0), found);
        QVERIFY(!state.restart);
        if (row)
            QCOMPARE(state.findRow, *row);
    }

    // Find-next after find-next walks through every match and round again; a restart (a "Szukaj"
    // or a page change) begins at the selection.
    void successiveSearches()
    {
        const Database db = expensesFixture();
        FindState state;
        const FindRequest bread{QStringLiteral("CHLEB"), false, true};
        QList<int> rows;
        for (int i = 0; i < 4; ++i)
            rows.append(trelfin::findNext(db, RegisterKind::expenses, state, bread, 2).value_or(0));
        QCOMPARE(rows, QList<int>({3, 1, 3, 1}));

        state.restart = true;
        QCOMPARE(trelfin::findNext(db, RegisterKind::expenses, state, FindRequest{QStringLiteral("UBRANIA"), false, false}, 4),
                 std::optional(2));
        QCOMPARE(trelfin::findNext(db, RegisterKind::expenses, state, FindRequest{QStringLiteral("UBRANIA"), false, false}, 4),
                 std::optional(5));
    }

    // The income grid's group column is empty: the amount runs straight into the description.
    // An empty register finds nothing.
    void incomes()
    {
        Database db;
        FindState state;
        const FindRequest pay{QStringLiteral("12,50pensja"), false, true};
        QCOMPARE(trelfin::findNext(db, RegisterKind::incomes, state, pay, 1), std::nullopt);
        db.reg(RegisterKind::incomes).append(entry(QStringLiteral("10-03-2005"), 12.5, 0, QStringLiteral("Pensja")));
        state.restart = true;
        QCOMPARE(trelfin::findNext(db, RegisterKind::incomes, state, pay, 1), std::optional(1));
        QCOMPARE(findRowText(db, RegisterKind::incomes, 1), QStringLiteral("10-03-200512,50Pensja"));
    }
};

QTEST_GUILESS_MAIN(TestFind)
#include "tst_find.moc"
