#include "core/store/database.h"
#include "core/tools/shopping.h"

#include <QtTest>

using namespace trelfin;

class TestShopping : public QObject
{
    Q_OBJECT

private slots:
    // "Porządkuj": blank, "mleko", a single blank, "chleb" gives "mleko", "chleb" and the rest empty.
    void tidying()
    {
        QStringList texts(ShoppingItemCount);
        texts[1] = QStringLiteral("mleko");
        texts[2] = QStringLiteral(" ");
        texts[3] = QStringLiteral(" chleb ");
        const QStringList tidied = TidiedShoppingTexts(texts);
        QCOMPARE(tidied.size(), ShoppingItemCount);
        QCOMPARE(tidied.mid(0, 3), QStringList({"mleko", "chleb", ""}));
        QCOMPARE(tidied.count(QString()), ShoppingItemCount - 2);
        QCOMPARE(ShoppingClipboardText(texts), QStringLiteral("mleko\n chleb \n"));

        // Stored trimmed and cut to 40 characters.
        Database db;
        SetShoppingTexts(db, {QStringLiteral("  masło  "), QString(45, u'x')});
        QCOMPARE(ShoppingTexts(db).mid(0, 3), QStringList({"masło", QString(40, u'x'), ""}));
    }

    // With 99 items filled, copying two planned rows fills item 100 and stops.
    void copyingPlannedRows()
    {
        Database db;
        for (int i = 0; i < 99; ++i)
            db.shoppingItems[i].setText(QStringLiteral("x"));
        db.shoppingItems[40].setText(QString()); // a gap is filled first
        for (const char *d : {"czynsz", "gaz", "prąd"})
            db.reg(RegisterKind::planned).append(Entry{QStringLiteral("01-05-2004"), 1, 4, QString::fromUtf8(d)});
        const ShoppingCopy copy = CopyPlannedToShoppingList(db, 1, 3);
        QCOMPARE(copy.copied, 2);
        QVERIFY(copy.full);
        QCOMPARE(db.shoppingItems[40].text(), QStringLiteral("czynsz"));
        QCOMPARE(db.shoppingItems[99].text(), QStringLiteral("gaz"));
        QCOMPARE(db.plannedCount(), 3);

        Database room;
        room.reg(RegisterKind::planned).append(Entry{QStringLiteral("01-05-2004"), 1, 4, QStringLiteral("kawa")});
        const ShoppingCopy one = CopyPlannedToShoppingList(room, 1, 1);
        QCOMPARE(one.copied, 1);
        QVERIFY(!one.full);
        QCOMPARE(room.shoppingItems[0].text(), QStringLiteral("kawa"));
    }
};

QTEST_GUILESS_MAIN(TestShopping)
#include "tst_shopping.moc"
