#include "core/store/database.h"

#include <QtTest>

using namespace trelfin;

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void registerRefusesThe4000thEntry()
    {
        Register r;
        for (int i = 0; i < MaxEntries; ++i)
            QVERIFY(r.append({QStringLiteral("01-01-2004"), 1.0, 1, QString()}));
        QVERIFY(r.isFull());
        QVERIFY(!r.append({QStringLiteral("01-01-2004"), 1.0, 1, QString()}));
        QCOMPARE(r.count(), 3999);
    }

    void entriesAreStoredAtTheirWidths()
    {
        Register r;
        r.append({QStringLiteral("01-01-2004 and more"), 2.5, 3, QString(50, u'ż') + QStringLiteral("Ж")});
        const Entry &e = r.entries.first();
        QCOMPARE(e.date, QStringLiteral("01-01-2004"));
        QCOMPARE(e.description, QString(40, u'ż'));
        Entry foreign{QStringLiteral("01-01-2004"), 0, 0, QStringLiteral("Жук")};
        QCOMPARE(foreign.fitted().description, QStringLiteral("???"));
    }

    void headerTextsAreCutToTheirWidths()
    {
        DatabaseHeader h;
        h.ownerName = QString(45, u'a');
        h.otherData = QString(300, u'b');
        h.password = QStringLiteral("bardzo długie hasło");
        h.groupNames[1] = QStringLiteral("ABCDEFGHIJKLMN");
        h.periods[100].periodName = QString(41, u'c');
        h.fitTexts();
        QCOMPARE(h.ownerName.size(), 40);
        QCOMPARE(h.otherData.size(), 255);
        QCOMPARE(h.password, QStringLiteral("bardzo dłu"));
        QCOMPARE(h.groupNames[1], QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(h.periods[100].periodName.size(), 40);
    }

    void defaultGroups()
    {
        const auto names = defaultGroupNames();
        QCOMPARE(names[1], QStringLiteral("ŻYWNOŚĆ   "));
        QCOMPARE(names[5], QStringLiteral("PRĄD      "));
        QCOMPARE(names[11], QStringLiteral("KOM.MIEJ. "));
        QCOMPARE(names[15], QStringLiteral("SANITARNE "));
        QCOMPARE(names[16], QStringLiteral("INNE1"));
        QCOMPARE(names[30], QStringLiteral("INNE15"));
        for (int g = 1; g <= 15; ++g)
            QCOMPARE(names[g].size(), 10);
    }

    void groupColumnTexts()
    {
        Database db;
        SetDefaultGroups(db.header);
        QCOMPARE(db.groupColumnText(RegisterKind::expenses, 2), QStringLiteral("ODZIEŻ    "));
        QCOMPARE(db.groupColumnText(RegisterKind::planned, 31), QStringLiteral("DOKONANE  "));
        QCOMPARE(db.groupColumnText(RegisterKind::expenses, 32), QString());
        QCOMPARE(db.groupColumnText(RegisterKind::debts, 2), QStringLiteral("POŻYCZKA  "));
        QCOMPARE(db.groupColumnText(RegisterKind::debts, 5), QString());
        QCOMPARE(db.groupColumnText(RegisterKind::bankAccount, 2), QStringLiteral("OBCIĄŻENIE"));
        QCOMPARE(db.groupColumnText(RegisterKind::bankAccount, 5), QStringLiteral("%% WINIEN "));
        QCOMPARE(db.groupColumnText(RegisterKind::incomes, 1), QString());
    }
};

QTEST_APPLESS_MAIN(TestDatabase)
#include "tst_database.moc"
