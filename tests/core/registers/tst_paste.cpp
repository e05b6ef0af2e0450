#include "core/registers/paste.h"
#include "core/registers/rowtext.h"
#include "core/store/database.h"

#include <QtTest>

using namespace trelfin;

namespace {

Database withGroups()
{
    Database db;
    SetDefaultGroups(db.header);
    return db;
}

} // namespace

// Reading pasted rows: the program's own, a spreadsheet's in the common forms, and what cannot
// be read, left out and named.
class TestPaste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // Rows copied from a register come back field for field into another register; a group or
    // kind the target lacks becomes its first, and that is counted.
    void ownRows()
    {
        Database db = withGroups();
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("02-03-2005"), 12.5, 3, QStringLiteral("Kurtka zimowa")});
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("03-03-2005"), 1234567.89, 30, QStringLiteral("Mydło")});
        const QString copied = registerClipboardText(db, RegisterKind::expenses, 1, 2);

        PastedRows planned = ReadPastedRows(db, RegisterKind::planned, copied);
        QCOMPARE(planned.entries, db.reg(RegisterKind::expenses).entries);
        QCOMPARE(planned.groupsReplaced, 0);
        QVERIFY(planned.unreadable.isEmpty());

        PastedRows debts = ReadPastedRows(db, RegisterKind::debts, copied);
        QCOMPARE(debts.entries.size(), 2);
        QCOMPARE(debts.entries.at(0).group, 1);
        QCOMPARE(debts.groupsReplaced, 2);

        PastedRows incomes = ReadPastedRows(db, RegisterKind::incomes, copied);
        QCOMPARE(incomes.entries.at(1).group, 0);
        QCOMPARE(incomes.entries.at(1).amount, 1234567.89);
        QCOMPARE(incomes.entries.at(1).description, QStringLiteral("Mydło"));
    }

    // A spreadsheet's or a bank page's rows: date, amount, maybe a group name, description.
    void spreadsheetRows_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("description");
        QTest::newRow("dots, decimal comma") << "5.03.2005\t19,99\tchleb" << "05-03-2005" << 19.99 << 1 << "chleb";
        QTest::newRow("ISO date, group by name") << "2005-03-07\t1 234,56\tkosmetyki\tkrem" << "07-03-2005" << 1234.56 << 3 << "krem";
        QTest::newRow("slashes, minus and currency") << "07/03/2005\t-19,99 PLN\tBIEDRONKA" << "07-03-2005" << 19.99 << 1 << "BIEDRONKA";
        QTest::newRow("plus, zł") << "1-3-2005\t+2000.00 zł\tpensja" << "01-03-2005" << 2000.0 << 1 << "pensja";
        QTest::newRow("thousands by dots") << "01-03-2005\t1.234,56\tKOSMETYKI \tszampon" << "01-03-2005" << 1234.56 << 3 << "szampon";
        QTest::newRow("a long description") << "01-03-2005\t1\t" + QString(50, u'x') << "01-03-2005" << 1.0 << 1 << QString(40, u'x');
    }
    void spreadsheetRows()
    {
        QFETCH(QString, line);
        QFETCH(QString, date);
        QFETCH(double, amount);
        QFETCH(int, group);
        QFETCH(QString, description);
        const PastedRows rows = ReadPastedRows(withGroups(), RegisterKind::expenses, line + QStringLiteral("\r\n"));
        QVERIFY2(rows.unreadable.isEmpty(), qPrintable(rows.unreadable.join(u'\n')));
        QCOMPARE(rows.entries.size(), 1);
        QCOMPARE(rows.entries.first().date, date);
        QCOMPARE(rows.entries.first().amount, amount);
        QCOMPARE(int(rows.entries.first().group), group);
        QCOMPARE(rows.entries.first().description, description);
    }

    // What cannot be read is listed with its line number and left out; nothing is guessed.
    void unreadableRows()
    {
        const QString text = QStringLiteral("01-03-2005\t10,00\tdobry\n"
                                            "31-02-2005\t5,00\tdzień, którego nie ma\n"
                                            "01-03-2005\t12,345\ttrzy miejsca po przecinku\n"
                                            "Data\tKwota\tOpis\n"
                                            "01-03-2005\n"
                                            "\n"
                                            "01-03-2005\t1\ta\tb\tc\n"
                                            "02-03-2005\t2,00\tteż dobry\n");
        const PastedRows rows = ReadPastedRows(withGroups(), RegisterKind::expenses, text);
        QCOMPARE(rows.entries.size(), 2);
        QCOMPARE(rows.entries.at(1).description, QStringLiteral("też dobry"));
        QCOMPARE(rows.unreadable.size(), 5);
        QVERIFY(rows.unreadable.first().startsWith(QStringLiteral("wiersz 2: 31-02-2005")));
        QVERIFY(rows.unreadable.at(2).startsWith(QStringLiteral("wiersz 4: Data")));
        QVERIFY(rows.unreadable.at(4).startsWith(QStringLiteral("wiersz 7:")));
    }

    // Rows go in after the row given and only as many as the register has room for.
    void insertion()
    {
        Database db = withGroups();
        for (int i = 0; i < 3; ++i)
            db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("01-03-2005"), double(i), 1, QString::number(i)});
        const QVector<Entry> two = {Entry{QStringLiteral("02-03-2005"), 10, 1, QStringLiteral("a")},
                                    Entry{QStringLiteral("02-03-2005"), 20, 1, QStringLiteral("b")}};
        QCOMPARE(InsertPastedRows(db, RegisterKind::expenses, 1, two), 2);
        QStringList order;
        for (const Entry &e : db.reg(RegisterKind::expenses).entries)
            order.append(e.description);
        QCOMPARE(order, QStringList({"0", "a", "b", "1", "2"}));
        QVERIFY(db.modified);
        db.reg(RegisterKind::expenses).entries.resize(MaxEntries - 1);
        QCOMPARE(InsertPastedRows(db, RegisterKind::expenses, 0, two), 1);
        QCOMPARE(db.expenseCount(), MaxEntries);
        QCOMPARE(InsertPastedRows(db, RegisterKind::expenses, 0, two), 0);
    }
};

QTEST_GUILESS_MAIN(TestPaste)
#include "tst_paste.moc"
