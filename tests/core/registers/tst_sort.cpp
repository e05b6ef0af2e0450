#include "registerfixture.h"

#include "core/registers/sort.h"
#include "core/store/helpers.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace trelfin;
using namespace trelfin::test;

Q_DECLARE_METATYPE(trelfin::SortKey)
Q_DECLARE_METATYPE(trelfin::SortOrder)

namespace {

// The exchange procedure written plainly over the entries, dates compared by CompareDates on
// their texts: what the sort must reproduce entry for entry.
void referenceSort(QVector<Entry> &e, SortKey key, SortOrder order)
{
    const bool up = order == SortOrder::ascending;
    const auto before = [&](const Entry &j, const Entry &i) {
        switch (key) {
        case SortKey::date:
            return CompareDates(j.date, i.date) == (up ? DateEarlier : DateLater);
        case SortKey::amount:
            return up ? i.amount > j.amount : i.amount < j.amount;
        case SortKey::group:
            return up ? i.group > j.group : i.group < j.group;
        }
        return false;
    };
    for (int i = 0; i < e.size() - 1; ++i)
        for (int j = i + 1; j < e.size(); ++j)
            if (before(e[j], e[i]))
                std::swap(e[i], e[j]);
}

// Entries "label:date:amount:group".
QVector<Entry> entries(const QStringList &rows)
{
    QVector<Entry> list;
    for (const QString &row : rows) {
        const QStringList f = row.split(u':');
        list.append(entry(f[1], f[2].toDouble(), f[3].toInt(), f[0]));
    }
    return list;
}

QStringList labels(const QVector<Entry> &list)
{
    QStringList l;
    for (const Entry &e : list)
        l.append(e.description);
    return l;
}

} // namespace

class TestSort : public QObject
{
    Q_OBJECT

private slots:
    void sort_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<SortKey>("key");
        QTest::addColumn<SortOrder>("order");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("equal amounts change places")
            << QStringList({"A:01-01-2005:2:1", "B:01-01-2005:2:1", "C:01-01-2005:1:1"})
            << SortKey::amount << SortOrder::ascending << QStringList({"C", "B", "A"});
        QTest::newRow("amounts descending")
            << QStringList({"A:01-01-2005:1:1", "B:01-01-2005:1:1", "C:01-01-2005:2:1"})
            << SortKey::amount << SortOrder::descending << QStringList({"C", "B", "A"});
        QTest::newRow("equal dates change places")
            << QStringList({"A:02-01-2005:0:1", "B:02-01-2005:0:1", "C:01-01-2005:0:1"})
            << SortKey::date << SortOrder::ascending << QStringList({"C", "B", "A"});
        QTest::newRow("dates by year, then month, then day")
            << QStringList({"A:01-02-2005:0:1", "B:31-12-2004:0:1", "C:02-01-2005:0:1", "D:01-01-2005:0:1"})
            << SortKey::date << SortOrder::ascending << QStringList({"B", "D", "C", "A"});
        QTest::newRow("dates descending")
            << QStringList({"A:01-01-2005:0:1", "B:03-01-2005:0:1", "C:02-01-2005:0:1"})
            << SortKey::date << SortOrder::descending << QStringList({"B", "C", "A"});
        QTest::newRow("an unreadable date is never exchanged")
            << QStringList({"X:15-03-2005:0:1", "U:  -  -    :0:1", "Y:01-03-2005:0:1"})
            << SortKey::date << SortOrder::ascending << QStringList({"Y", "U", "X"});
        QTest::newRow("either separator")
            << QStringList({"A:05.05.2004:0:1", "B:05-05-2004:0:1", "C:04.05.2004:0:1"})
            << SortKey::date << SortOrder::ascending << QStringList({"C", "B", "A"});
        QTest::newRow("debts by kind")
            << QStringList({"a:01-01-2005:0:3", "b:01-01-2005:0:1", "c:01-01-2005:0:4", "d:01-01-2005:0:2",
                            "e:01-01-2005:0:1", "f:01-01-2005:0:3"})
            << SortKey::group << SortOrder::ascending << QStringList({"b", "e", "d", "a", "f", "c"});
        QTest::newRow("groups by number, descending")
            << QStringList({"a:01-01-2005:0:2", "b:01-01-2005:0:31", "c:01-01-2005:0:10"})
            << SortKey::group << SortOrder::descending << QStringList({"b", "c", "a"});
        QTest::newRow("one entry") << QStringList({"A:xx:5:1"}) << SortKey::date << SortOrder::descending
                                   << QStringList({"A"});
    }

    // The order the exchange procedure gives; sorting again by the same key and order keeps it.
    void sort()
    {
        QFETCH(QStringList, input);
        QFETCH(SortKey, key);
        QFETCH(SortOrder, order);
        QFETCH(QStringList, sorted);
        QVector<Entry> list = entries(input);
        exchangeSort(list, key, order);
        QCOMPARE(labels(list), sorted);
        const QVector<Entry> once = list;
        exchangeSort(list, key, order);
        QCOMPARE(list, once);
    }

    // Many equal keys and some unreadable dates: every key and order gives the plain procedure's
    // result, entry for entry.
    void matchesThePlainProcedure()
    {
        QRandomGenerator random(2005);
        QVector<Entry> input;
        for (int i = 0; i < 600; ++i) {
            const QString date = random.bounded(20) == 0
                ? QStringLiteral("  -  -    ")
                : FormatDate(1 + random.bounded(3), 1 + random.bounded(2), 2004 + random.bounded(2));
            input.append(entry(date, random.bounded(5) * 0.5, 1 + random.bounded(4), QString::number(i)));
        }
        for (const SortKey key : {SortKey::date, SortKey::amount, SortKey::group}) {
            for (const SortOrder order : {SortOrder::ascending, SortOrder::descending}) {
                QVector<Entry> expected = input;
                referenceSort(expected, key, order);
                QVector<Entry> actual = input;
                exchangeSort(actual, key, order);
                QCOMPARE(labels(actual), labels(expected));
            }
        }
    }

    void sortRegisterMarksModified()
    {
        Database db;
        db.reg(RegisterKind::bankAccount).entries = entries({"A:01-01-2005:1:6", "B:01-01-2005:1:2"});
        sortRegister(db, RegisterKind::bankAccount, SortKey::group, SortOrder::ascending);
        QCOMPARE(descriptions(db.reg(RegisterKind::bankAccount)), QStringList({"B", "A"}));
        QVERIFY(db.modified);
    }
};

QTEST_GUILESS_MAIN(TestSort)
#include "tst_sort.moc"
