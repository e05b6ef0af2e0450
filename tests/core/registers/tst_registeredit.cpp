#include "registerfixture.h"

#include "core/registers/registeredit.h"
#include "core/store/helpers.h"

#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

Q_DECLARE_METATYPE(trelfin::RegisterKind)

namespace {
const QDate kToday(2005, 3, 1);
}

class TestRegisterEdit : public QObject
{
    Q_OBJECT

private slots:
    void newEntry_data()
    {
        QTest::addColumn<RegisterKind>("kind");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("fullMessage");
        QTest::newRow("expenses") << RegisterKind::expenses << 1 << "Za dużo danych w bazie rozchód";
        QTest::newRow("incomes") << RegisterKind::incomes << 0 << "Za dużo danych w bazie przychody";
        QTest::newRow("debts") << RegisterKind::debts << 1 << "Za dużo danych w bazie Długi / pożyczki";
        QTest::newRow("planned") << RegisterKind::planned << 1 << "Za dużo danych w bazie Planowanie";
        QTest::newRow("bank") << RegisterKind::bankAccount << 1 << "Za dużo danych w bazie Konto bankowe";
    }

    // Dopisz appends the default row and hands it to the dialog; the 3999th entry is accepted,
    // the 4000th refused with the register's own message.
    void newEntry()
    {
        QFETCH(RegisterKind, kind);
        QFETCH(int, group);
        QFETCH(QString, fullMessage);
        Database db;
        RecordingSink sink;
        fill(db, kind, MaxEntries - 1);

        const auto row = appendNewEntry(db, kind, kToday, sink);
        QCOMPARE(row, std::optional<int>(MaxEntries));
        const Entry expected = entry(QStringLiteral("01-03-2005"), 0.0, group, QStringLiteral("Brak"));
        QCOMPARE(db.reg(kind).entries.last(), expected);
        QCOMPARE(db.edit.editDate, expected.date);
        QCOMPARE(db.edit.editGroup, expected.group);
        QCOMPARE(db.edit.editDescription, expected.description);
        QVERIFY(db.modified);
        QVERIFY(sink.messages.isEmpty());

        db.modified = false;
        QCOMPARE(appendNewEntry(db, kind, kToday, sink), std::nullopt);
        QCOMPARE(db.reg(kind).count(), MaxEntries);
        QVERIFY(!db.modified);
        QCOMPARE(sink.messages, (QList<UserMessage>{{fullMessage, QString(), QStringLiteral("Uwaga!")}}));
    }

    void entryFromEditBuffer_data()
    {
        QTest::addColumn<RegisterKind>("kind");
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<int>("listPosition");
        QTest::addColumn<QString>("storedDate");
        QTest::addColumn<int>("storedGroup");
        QTest::newRow("dots become dashes") << RegisterKind::expenses << "12.05.2004" << 0 << "12-05-2004" << 1;
        QTest::newRow("empty mask is today") << RegisterKind::planned << "  -  -    " << 30 << "01-03-2005" << 31;
        QTest::newRow("debt kind") << RegisterKind::debts << "02-03-2005" << 3 << "02-03-2005" << 4;
        QTest::newRow("bank operation kind") << RegisterKind::bankAccount << "02-03-2005" << 5 << "02-03-2005" << 6;
        QTest::newRow("incomes keep no group") << RegisterKind::incomes << "02-03-2005" << 7 << "02-03-2005" << 0;
    }

    // A closed dialog leaves its list position (0-based) in editGroup; the entry stores it + 1.
    void entryFromEditBuffer()
    {
        QFETCH(RegisterKind, kind);
        QFETCH(QString, typedDate);
        QFETCH(int, listPosition);
        QFETCH(QString, storedDate);
        QFETCH(int, storedGroup);
        EditBuffer edit{typedDate, 12.5, static_cast<std::uint8_t>(listPosition), QString(50, u'x')};
        const Entry e = trelfin::entryFromEditBuffer(edit, kind, kToday);
        QCOMPARE(e.date, storedDate);
        QCOMPARE(e.group, storedGroup);
        QCOMPARE(e.amount, 12.5);
        QCOMPARE(e.description, QString(40, u'x'));
    }

    void storeEditBufferEditsOneRow()
    {
        Database db;
        fill(db, RegisterKind::expenses, 3);
        db.edit = EditBuffer{QStringLiteral("07-03-2005"), 9.99, 4, QStringLiteral("Mleko")};
        QVERIFY(storeEditBuffer(db, RegisterKind::expenses, 2, kToday));
        QCOMPARE(descriptions(db.reg(RegisterKind::expenses)), QStringList({"1", "Mleko", "3"}));
        QCOMPARE(db.reg(RegisterKind::expenses).entries[1],
                 entry(QStringLiteral("07-03-2005"), 9.99, 5, QStringLiteral("Mleko")));
        QVERIFY(db.modified);

        const Register before = db.reg(RegisterKind::expenses);
        QVERIFY(!storeEditBuffer(db, RegisterKind::expenses, 0, kToday));
        QVERIFY(!storeEditBuffer(db, RegisterKind::expenses, 4, kToday));
        QCOMPARE(db.reg(RegisterKind::expenses), before);
    }

    void deleteRows_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("3-5 of 8") << 3 << 5 << QStringList({"1", "2", "6", "7", "8"});
        QTest::newRow("first row") << 1 << 1 << QStringList({"2", "3", "4", "5", "6", "7", "8"});
        QTest::newRow("last row") << 8 << 8 << QStringList({"1", "2", "3", "4", "5", "6", "7"});
        QTest::newRow("all rows") << 1 << 8 << QStringList();
        QTest::newRow("bottom before top") << 5 << 3 << QStringList({"1", "2", "6", "7", "8"});
        QTest::newRow("range past the end") << 7 << 12 << QStringList({"1", "2", "3", "4", "5", "6"});
        QTest::newRow("title row") << 0 << 0 << QStringList({"1", "2", "3", "4", "5", "6", "7", "8"});
        QTest::newRow("blank row past the end") << 9 << 9 << QStringList({"1", "2", "3", "4", "5", "6", "7", "8"});
    }

    void deleteRows()
    {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QStringList, left);
        Database db;
        fill(db, RegisterKind::planned, 8);
        const int removed = trelfin::deleteRows(db, RegisterKind::planned, top, bottom);
        QCOMPARE(descriptions(db.reg(RegisterKind::planned)), left);
        QCOMPARE(removed, 8 - left.size());
        QCOMPARE(db.modified, removed > 0);
    }

    void debtReturnDate_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<QString>("operationDate");
        QTest::addColumn<QString>("returnDate");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("loan returned later") << 2 << true << "01-03-2005" << "15-03-2005" << true;
        QTest::newRow("loan returned same day") << 2 << true << "01-03-2005" << "01-03-2005" << false;
        QTest::newRow("debt returned earlier") << 1 << true << "01-03-2005" << "28-02-2005" << false;
        QTest::newRow("earlier, separators differ") << 1 << true << "01-03-2005" << "01.02.2005" << false;
        QTest::newRow("no return wanted") << 1 << false << "01-03-2005" << "01-03-2005" << true;
        QTest::newRow("paid back takes no return") << 3 << true << "01-03-2005" << "01-03-2005" << true;
        QTest::newRow("received back takes no return") << 4 << true << "01-03-2005" << "01-01-2005" << true;
        QTest::newRow("unreadable return date") << 2 << true << "01-03-2005" << "  -  -    " << true;
        QTest::newRow("unreadable operation date") << 1 << true << "  -03-2005" << "01-01-2005" << true;
    }

    void debtReturnDate()
    {
        QFETCH(int, kind);
        QFETCH(bool, wanted);
        QFETCH(QString, operationDate);
        QFETCH(QString, returnDate);
        QFETCH(bool, accepted);
        QCOMPARE(debtReturnDateAccepted(kind, wanted, operationDate, returnDate), accepted);
    }

    void debtReturnEntry_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<QString>("returnDate");
        QTest::addColumn<int>("returnKind");     // 0: no return entry
        QTest::addColumn<QString>("returnEntryDate");
        QTest::newRow("debt paid back") << 1 << true << "15-03-2005" << 3 << "15-03-2005";
        QTest::newRow("loan received back") << 2 << true << "15.03.2005" << 4 << "15-03-2005";
        QTest::newRow("unreadable date is today") << 2 << true << "15-03-05" << 4 << "01-03-2005";
        QTest::newRow("not wanted") << 2 << false << "15-03-2005" << 0 << "";
        QTest::newRow("paid back") << 3 << true << "15-03-2005" << 0 << "";
        QTest::newRow("received back") << 4 << true << "15-03-2005" << 0 << "";
    }

    void debtReturnEntry()
    {
        QFETCH(int, kind);
        QFETCH(bool, wanted);
        QFETCH(QString, returnDate);
        QFETCH(int, returnKind);
        QFETCH(QString, returnEntryDate);
        const Entry debt = entry(QStringLiteral("01-03-2005"), 100, kind, QStringLiteral("Jan"));
        const QString note = QStringLiteral("Zwrot od Jana ") + QString(40, u'.');
        const auto back = trelfin::debtReturnEntry(debt, wanted, returnDate, note, kToday);
        QCOMPARE(back.has_value(), returnKind != 0);
        if (back)
            QCOMPARE(*back, entry(returnEntryDate, 100, returnKind, note.left(40)));
    }

    // A loan of 100 with a return entry: Dopisz's row, the dialog's fields, then the return entry
    // under the same limit. With one free place left the loan goes in and its return is refused.
    void loanWithReturnEntry()
    {
        for (const int held : {0, MaxEntries - 1}) {
            Database db;
            RecordingSink sink;
            fill(db, RegisterKind::debts, held);
            const auto row = appendNewEntry(db, RegisterKind::debts, kToday, sink);
            QVERIFY(row);
            db.edit = EditBuffer{QStringLiteral("01-03-2005"), 100, 1, QStringLiteral("Pożyczka dla Jana")};
            QVERIFY(storeEditBuffer(db, RegisterKind::debts, *row, kToday));
            const Entry loan = db.reg(RegisterKind::debts).entries[*row - 1];
            const auto back = trelfin::debtReturnEntry(loan, true, QStringLiteral("15-03-2005"),
                                                       QStringLiteral("Jan oddał"), kToday);
            QVERIFY(back);
            QCOMPARE(appendEntry(db, RegisterKind::debts, *back, sink), held == 0);

            const Register &debts = db.reg(RegisterKind::debts);
            QCOMPARE(debts.entries[held], entry(QStringLiteral("01-03-2005"), 100, 2, QStringLiteral("Pożyczka dla Jana")));
            if (held == 0) {
                QCOMPARE(debts.count(), 2);
                QCOMPARE(debts.entries[1], entry(QStringLiteral("15-03-2005"), 100, 4, QStringLiteral("Jan oddał")));
                QVERIFY(sink.messages.isEmpty());
            } else {
                QCOMPARE(debts.count(), MaxEntries);
                QCOMPARE(sink.messages, QList<UserMessage>{registerFullMessage(RegisterKind::debts)});
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRegisterEdit)
#include "tst_registeredit.moc"
