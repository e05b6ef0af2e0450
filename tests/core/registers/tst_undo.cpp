#include "registerfixture.h"

#include "core/registers/registeredit.h"
#include "core/registers/rowtext.h"
#include "core/registers/undo.h"

#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

Q_DECLARE_METATYPE(trelfin::RegisterKind)

namespace {
const QDate kToday(2005, 3, 1);
}

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The first use undoes, the second redoes, and so on; each use marks the period modified.
    void undoThenRedo()
    {
        Database db;
        RecordingSink sink;
        UndoBuffer undo;
        fill(db, RegisterKind::expenses, 2);
        const Register before = db.reg(RegisterKind::expenses);

        TakeUndoSnapshot(undo, db, RegisterKind::expenses);
        QVERIFY(appendNewEntry(db, RegisterKind::expenses, kToday, sink));
        const Register after = db.reg(RegisterKind::expenses);
        QVERIFY(!undo.redoNext);

        for (int use = 1; use <= 4; ++use) {
            db.modified = false;
            QCOMPARE(UndoOrRedo(undo, db), std::optional(RegisterKind::expenses));
            QCOMPARE(db.reg(RegisterKind::expenses), use % 2 ? before : after);
            QCOMPARE(undo.redoNext, use % 2 == 1);
            QVERIFY(db.modified);
        }
    }

    // Only the last change is kept: editing an income and then adding an expense, an undo takes
    // back the expense and leaves the edited income.
    void oneLevelOnly()
    {
        Database db;
        RecordingSink sink;
        UndoBuffer undo;
        fill(db, RegisterKind::incomes, 1);
        TakeUndoSnapshot(undo, db, RegisterKind::incomes);
        replaceEntry(db, RegisterKind::incomes, 1, entry(QStringLiteral("02-03-2005"), 5, 0, QStringLiteral("Premia")));
        TakeUndoSnapshot(undo, db, RegisterKind::expenses);
        appendNewEntry(db, RegisterKind::expenses, kToday, sink);

        QCOMPARE(UndoOrRedo(undo, db), std::optional(RegisterKind::expenses));
        QCOMPARE(db.expenseCount(), 0);
        QCOMPARE(descriptions(db.reg(RegisterKind::incomes)), QStringList{"Premia"});
    }

    // The undo restores the register it was taken from, whatever page is shown; the caller shows
    // the page it returns.
    void restoresTheRegisterItWasTakenFrom()
    {
        Database db;
        UndoBuffer undo;
        fill(db, RegisterKind::planned, 5);
        fill(db, RegisterKind::expenses, 2);
        TakeUndoSnapshot(undo, db, RegisterKind::planned);
        deleteRows(db, RegisterKind::planned, 2, 4);

        QCOMPARE(UndoOrRedo(undo, db), std::optional(RegisterKind::planned));
        QCOMPARE(descriptions(db.reg(RegisterKind::planned)), QStringList({"1", "2", "3", "4", "5"}));
        QCOMPARE(db.expenseCount(), 2);
    }

    // A copy of an empty register is a real copy: undoing the first entry empties the register.
    // A cleared buffer holds no copy and changes nothing; neither does a copy from another period.
    void emptyCopyAndNoCopy()
    {
        Database db;
        RecordingSink sink;
        UndoBuffer undo;
        TakeUndoSnapshot(undo, db, RegisterKind::bankAccount);
        appendNewEntry(db, RegisterKind::bankAccount, kToday, sink);
        QCOMPARE(UndoOrRedo(undo, db), std::optional(RegisterKind::bankAccount));
        QCOMPARE(db.bankCount(), 0);

        fill(db, RegisterKind::bankAccount, 3);
        ClearUndo(undo);
        QVERIFY(undo.isEmpty());
        db.modified = false;
        QCOMPARE(UndoOrRedo(undo, db), std::nullopt);
        QCOMPARE(db.bankCount(), 3);
        QVERIFY(!db.modified);

        TakeUndoSnapshot(undo, db, RegisterKind::bankAccount);
        db.currentPeriod = 2;
        db.reg(RegisterKind::bankAccount).entries.clear();
        QCOMPARE(UndoOrRedo(undo, db), std::nullopt);
        QCOMPARE(db.bankCount(), 0);
    }

    void clipboardText_data()
    {
        QTest::addColumn<RegisterKind>("kind");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QString>("text");
        QTest::newRow("expenses 2-3")
            << RegisterKind::expenses << 2 << 3
            << "02-03-2005\t12,50\tODZIEŻ\tKurtka\n03-03-2005\t0,00\tKOSMETYKI\tMydło\n";
        QTest::newRow("incomes have no group")
            << RegisterKind::incomes << 1 << 1 << "01-03-2005\t1000,00\t\tPensja\n";
        QTest::newRow("debt kinds") << RegisterKind::debts << 1 << 2
                                    << "01-03-2005\t1000,00\tDŁUG\tPensja\n"
                                       "02-03-2005\t12,50\tPOŻYCZKA\tKurtka\n";
        QTest::newRow("settled planned") << RegisterKind::planned << 4 << 4
                                         << "04-03-2005\t1234567,89\tDOKONANE\tCzynsz\n";
        QTest::newRow("bank kinds") << RegisterKind::bankAccount << 3 << 3
                                    << "03-03-2005\t0,00\tOPŁATY\tMydło\n";
        QTest::newRow("bottom before top") << RegisterKind::expenses << 3 << 2
            << "02-03-2005\t12,50\tODZIEŻ\tKurtka\n03-03-2005\t0,00\tKOSMETYKI\tMydło\n";
        QTest::newRow("rows past the end are left out")
            << RegisterKind::expenses << 4 << 9 << "04-03-2005\t1234567,89\tDOKONANE\tCzynsz\n";
    }

    // One line per row, the cells as the grid shows them, separated by tabs.
    void clipboardText()
    {
        QFETCH(RegisterKind, kind);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QString, text);
        Database db;
        SetDefaultGroups(db.header);
        Register &r = db.reg(kind);
        r.append(entry(QStringLiteral("01-03-2005"), 1000, 1, QStringLiteral("Pensja")));
        r.append(entry(QStringLiteral("02-03-2005"), 12.5, 2, QStringLiteral("Kurtka")));
        r.append(entry(QStringLiteral("03-03-2005"), 0, 3, QStringLiteral("Mydło")));
        r.append(entry(QStringLiteral("04-03-2005"), 1234567.891, SettledGroup, QStringLiteral("Czynsz")));
        QCOMPARE(registerClipboardText(db, kind, top, bottom), text);
    }
};

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
