#include "registerfixture.h"

#include "core/registers/repeated.h"

#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

Q_DECLARE_METATYPE(trelfin::RegisterKind)
Q_DECLARE_METATYPE(trelfin::RepeatMode)
Q_DECLARE_METATYPE(trelfin::RepeatCheck)

namespace {

RepeatRequest request(RepeatMode mode, int number, const QString &from, const QString &to)
{
    RepeatRequest r;
    r.mode = mode;
    r.number = number;
    r.from = from;
    r.to = to;
    r.amount = 12.5;
    r.group = 7;
    r.description = QStringLiteral("Bilet");
    return r;
}

} // namespace

class TestRepeated : public QObject
{
    Q_OBJECT

private slots:
    void stepDates_data()
    {
        QTest::addColumn<RepeatMode>("mode");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("daily across a month end")
            << RepeatMode::daily << 0 << "30-01-2005" << "02-02-2005"
            << QStringList({"30-01-2005", "31-01-2005", "01-02-2005", "02-02-2005"});
        QTest::newRow("weekly over a leap day")
            << RepeatMode::weekly << 0 << "25-02-2004" << "10-03-2004"
            << QStringList({"25-02-2004", "03-03-2004", "10-03-2004"});
        QTest::newRow("weekly in a common year")
            << RepeatMode::weekly << 0 << "25-02-2005" << "11-03-2005"
            << QStringList({"25-02-2005", "04-03-2005", "11-03-2005"});
        QTest::newRow("every 30 days from a 31st")
            << RepeatMode::everyNDays << 30 << "31-01-2005" << "31-03-2005"
            << QStringList({"31-01-2005", "02-03-2005"});
        QTest::newRow("step longer than the span")
            << RepeatMode::everyNDays << 999 << "01-01-2005" << "31-12-2005" << QStringList({"01-01-2005"});
        QTest::newRow("equal dates") << RepeatMode::daily << 0 << "15-06-2005" << "15-06-2005"
                                     << QStringList({"15-06-2005"});
        QTest::newRow("across a year end")
            << RepeatMode::everyNDays << 2 << "29-12-2004" << "03-01-2005"
            << QStringList({"29-12-2004", "31-12-2004", "02-01-2005"});
        QTest::newRow("1900 taken as a leap year")
            << RepeatMode::daily << 0 << "28-02-1900" << "01-03-1900"
            << QStringList({"28-02-1900", "29-02-1900", "01-03-1900"});
        QTest::newRow("same day five times, end ignored")
            << RepeatMode::sameDay << 5 << "10-03-2005" << "01-01-2000"
            << QStringList(5, QStringLiteral("10-03-2005"));
        QTest::newRow("same day no times") << RepeatMode::sameDay << 0 << "10-03-2005" << "10-03-2005"
                                           << QStringList();
    }

    // Each step date not later than the end gets one entry, appended after what the register held.
    void stepDates()
    {
        QFETCH(RepeatMode, mode);
        QFETCH(int, number);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, expected);
        Database db;
        RecordingSink sink;
        fill(db, RegisterKind::planned, 1);
        const RepeatResult result = appendRepeated(db, RegisterKind::planned, request(mode, number, from, to), sink);
        QCOMPARE(result.check, RepeatCheck::ok);
        QCOMPARE(result.added, expected.size());
        QVERIFY(!result.limitReached);
        QCOMPARE(dates(db.reg(RegisterKind::planned)).mid(1), expected);
        for (const Entry &e : db.reg(RegisterKind::planned).entries.mid(1))
            QCOMPARE(e, entry(e.date, 12.5, 7, QStringLiteral("Bilet")));
        QVERIFY(sink.messages.isEmpty());
        QVERIFY(db.modified);
    }

    void incomesKeepNoGroup()
    {
        Database db;
        RecordingSink sink;
        appendRepeated(db, RegisterKind::incomes,
                       request(RepeatMode::daily, 0, QStringLiteral("01-03-2005"), QStringLiteral("02-03-2005")), sink);
        QCOMPARE(db.incomeCount(), 2);
        QCOMPARE(db.reg(RegisterKind::incomes).entries[1],
                 entry(QStringLiteral("02-03-2005"), 12.5, 0, QStringLiteral("Bilet")));
    }

    void refused_data()
    {
        QTest::addColumn<RepeatMode>("mode");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<RepeatCheck>("check");
        QTest::newRow("end before start") << RepeatMode::daily << 0 << "02-02-2005" << "01-02-2005"
                                          << RepeatCheck::datesInvalid;
        QTest::newRow("end a year before") << RepeatMode::weekly << 0 << "01-02-2005" << "01-03-2004"
                                           << RepeatCheck::datesInvalid;
        QTest::newRow("month 13") << RepeatMode::daily << 0 << "01-13-2004" << "31-12-2005"
                                  << RepeatCheck::datesInvalid;
        QTest::newRow("31 April") << RepeatMode::everyNDays << 3 << "31-04-2005" << "31-05-2005"
                                  << RepeatCheck::datesInvalid;
        QTest::newRow("29 February 2005") << RepeatMode::daily << 0 << "01-02-2005" << "29-02-2005"
                                          << RepeatCheck::datesInvalid;
        QTest::newRow("day 0") << RepeatMode::daily << 0 << "00-02-2005" << "10-02-2005"
                               << RepeatCheck::datesInvalid;
        QTest::newRow("unreadable") << RepeatMode::daily << 0 << "  -  -    " << "10-02-2005"
                                    << RepeatCheck::datesInvalid;
        QTest::newRow("step 0") << RepeatMode::everyNDays << 0 << "01-02-2005" << "10-02-2005"
                                << RepeatCheck::numberInvalid;
        QTest::newRow("negative count") << RepeatMode::sameDay << -1 << "01-02-2005" << "10-02-2005"
                                        << RepeatCheck::numberInvalid;
    }

    // A refused request adds nothing and leaves the message to the dialog, which stays open.
    void refused()
    {
        QFETCH(RepeatMode, mode);
        QFETCH(int, number);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(RepeatCheck, check);
        const RepeatRequest r = request(mode, number, from, to);
        QCOMPARE(checkRepeatRequest(r), check);
        Database db;
        RecordingSink sink;
        const RepeatResult result = appendRepeated(db, RegisterKind::expenses, r, sink);
        QCOMPARE(result.check, check);
        QCOMPARE(result.added, 0);
        QCOMPARE(db.expenseCount(), 0);
        QVERIFY(!db.modified);
        QVERIFY(sink.messages.isEmpty());
    }

    void limitInsideAWalk_data()
    {
        QTest::addColumn<RegisterKind>("kind");
        QTest::addColumn<RepeatMode>("mode");
        QTest::newRow("expenses daily") << RegisterKind::expenses << RepeatMode::daily;
        QTest::newRow("incomes same day") << RegisterKind::incomes << RepeatMode::sameDay;
        QTest::newRow("debts daily") << RegisterKind::debts << RepeatMode::daily;
        QTest::newRow("planned same day") << RegisterKind::planned << RepeatMode::sameDay;
        QTest::newRow("bank daily") << RegisterKind::bankAccount << RepeatMode::daily;
    }

    // With 3995 entries, ten steps add four entries, then the register's message once; what was
    // added stays.
    void limitInsideAWalk()
    {
        QFETCH(RegisterKind, kind);
        QFETCH(RepeatMode, mode);
        Database db;
        RecordingSink sink;
        fill(db, kind, 3995);
        const RepeatResult result =
            appendRepeated(db, kind, request(mode, 10, QStringLiteral("01-03-2005"), QStringLiteral("10-03-2005")), sink);
        QCOMPARE(result.added, 4);
        QVERIFY(result.limitReached);
        QCOMPARE(db.reg(kind).count(), MaxEntries);
        QCOMPARE(db.reg(kind).entries.last().description, QStringLiteral("Bilet"));
        QCOMPARE(sink.messages, QList<UserMessage>{registerFullMessage(kind)});
        QVERIFY(db.modified);
    }

    // The walk stops at the register's limit even when the span would go on for years.
    void longWalkOnAFullRegister()
    {
        Database db;
        RecordingSink sink;
        fill(db, RegisterKind::expenses, MaxEntries);
        const RepeatResult result = appendRepeated(
            db, RegisterKind::expenses,
            request(RepeatMode::daily, 0, QStringLiteral("01-01-0000"), QStringLiteral("31-12-9999")), sink);
        QCOMPARE(result.added, 0);
        QVERIFY(result.limitReached);
        QCOMPARE(sink.messages.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRepeated)
#include "tst_repeated.moc"
