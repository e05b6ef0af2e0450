#include "core/reports/statement.h"

#include <QtTest>

using namespace trelfin;

namespace {

void add(Database &db, RegisterKind kind, const char *date, double amount, int group = 0)
{
    db.reg(kind).append(Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString()});
}

} // namespace

class TestStatement : public QObject
{
    Q_OBJECT

private slots:
    void linesOnADay()
    {
        Database db;
        add(db, RegisterKind::incomes, "15-03-2024", 1000);
        add(db, RegisterKind::incomes, "16-03-2024", 500);       // after the day
        add(db, RegisterKind::incomes, "xx-03-2024", 700);       // unreadable
        add(db, RegisterKind::expenses, "01-03-2024", 400);
        add(db, RegisterKind::debts, "01-03-2024", 200, 1);      // DŁUG
        add(db, RegisterKind::debts, "02-03-2024", 150, 3);      // ODDANY
        add(db, RegisterKind::debts, "03-03-2024", 180, 2);      // POŻYCZKA
        add(db, RegisterKind::debts, "04-03-2024", 80, 4);       // ODEBRANA
        add(db, RegisterKind::debts, "04-03-2024", 999, 9);      // no such kind
        add(db, RegisterKind::planned, "10-03-2024", 200, 5);
        add(db, RegisterKind::planned, "01-03-2024", 300, SettledGroup);
        add(db, RegisterKind::planned, "20-03-2024", 50, 5);     // after the day
        const Statement s = computeStatement(db, QStringLiteral("15-03-2024"));
        QCOMPARE(s.A, 1000.0);
        QCOMPARE(s.nA, 1);
        QCOMPARE(s.B, 400.0);
        QCOMPARE(s.nB, 1);
        QCOMPARE(s.E, 50.0);
        QCOMPARE(s.D, 100.0);
        QCOMPARE(s.F, 200.0);
        QCOMPARE(s.nF, 1);
        QCOMPARE(s.C, 600.0);
        QCOMPARE(s.G, 400.0);
        QCOMPARE(s.H, 550.0);
        QCOMPARE(s.I, 350.0);
        QCOMPARE(s.J, 300.0);
    }

    void debtsCanMakeNegativeLines()
    {
        Database db;
        add(db, RegisterKind::debts, "01-01-2024", 200, 1);
        add(db, RegisterKind::debts, "01-01-2024", 50, 3);
        add(db, RegisterKind::debts, "01-01-2024", 80, 2);
        add(db, RegisterKind::debts, "01-01-2024", 100, 4);
        const Statement s = computeStatement(db, QStringLiteral("01-01-2024"));
        QCOMPARE(s.E, 150.0);
        QCOMPARE(s.D, -20.0);
    }

    void bankAccount()
    {
        Database db;
        const double amounts[] = {1000, 300, 10, 5, 2, 7};
        for (int kind = 1; kind <= 6; ++kind)
            add(db, RegisterKind::bankAccount, "01-01-2024", amounts[kind - 1], kind);
        add(db, RegisterKind::bankAccount, "01-01-2024", 12345, 7);
        add(db, RegisterKind::bankAccount, "02-01-2024", 1, 1);
        const Statement s = computeStatement(db, QStringLiteral("01.01.2024"));
        QCOMPARE(s.g, 690.0);
        QCOMPARE(s.bank[1], 1000.0);
        QCOMPARE(s.bankCount[1], 1);
        QCOMPARE(s.bankCount[6], 1);
    }

    void unreadableDayCountsNothing()
    {
        Database db;
        add(db, RegisterKind::incomes, "01-01-2024", 10);
        add(db, RegisterKind::bankAccount, "01-01-2024", 10, 1);
        // A half-typed day would read as a day after the entries if its blanks were skipped.
        for (const QString &day : {QStringLiteral("  -  -    "), QStringLiteral("3 -12-2024"), QStringLiteral("31-12-202 "),
                                   QString()}) {
            const Statement s = computeStatement(db, day);
            QCOMPARE(s.A, 0.0);
            QCOMPARE(s.nA, 0);
            QCOMPARE(s.g, 0.0);
        }
    }

    void labels()
    {
        const QStringList labels = statementRowLabels();
        QCOMPARE(labels.size(), 18);
        for (const QString &l : labels)
            QCOMPARE(l.size(), 53);
        QCOMPARE(labels.at(0).trimmed(), QStringLiteral("A. Przychód"));
        QCOMPARE(labels.at(9), QStringLiteral("J. Saldo - wierzytelności - wydatki planowane (C-D-F)"));
        QCOMPARE(labels.at(15).trimmed(), QStringLiteral("e. %%winien łącznie"));
        QCOMPARE(statementColumnTitles(), QStringList({"Opis", "Wartość", "ilość element."}));
    }
};

QTEST_APPLESS_MAIN(TestStatement)
#include "tst_statement.moc"
